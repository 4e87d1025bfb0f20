// Named steps the chapters share, so each script row reads as what happens on screen.
#pragma once

#include "app/story_names.hpp"
#include "story/script.hpp"

namespace story {

// The story's names, as the chapters write them.
namespace hotspot = app::hotspot;
namespace scene = app::scene;
namespace stage = app::stage;

// Sets the line to empty text.
Step clearLine();
// A pause point: Timer stops and the shield is lowered.
Step pause();
Step setStage(int storyStage);
// sceneId and pictureId together, as every change of place sets them.
Step setPlace(int sceneId, int pictureId);
Step enableHotspot(int n);
Step disableHotspot(int n);
Step disableAllHotspots();
Step addItem(const char* caption);
// Removes the entry from among the first depth list positions.
Step removeItem(const char* caption, int depth);
Step dropHeldItem();
// Loads a picture into the held picture imgInv n.
Step heldPicture(int n, const char* path);
// Shows a price on the till: both digit labels enabled, shown and captioned.
Step tillShows(const char* firstDigit, const char* secondDigit);

}  // namespace story
