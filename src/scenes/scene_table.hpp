// The scenes of the village: every sceneId, the picture it shows again by storyStage, and its
// examine number (the pictureId that marks an item's close-up shown in that scene).
#pragma once

#include <optional>
#include <string>

namespace scenes {

// The picture a scene shows when it is shown again at this storyStage; "" when the scene
// shows none at that stage (the last picture stays) or the sceneId is not a scene.
std::string scenePicture(int sceneId, int storyStage);

// The examine number of a scene, or nothing for a sceneId that is not a scene (0 before the
// intro ends).
std::optional<int> examineNumber(int sceneId);

}  // namespace scenes
