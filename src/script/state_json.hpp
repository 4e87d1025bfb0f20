// The whole observable state of a headless game as one JSON object.
#pragma once

#include "script/session.hpp"

#include <nlohmann/json.hpp>

namespace script {

using Json = nlohmann::ordered_json;

// Also marks the sounds and messages reported, so the next dump shows only new ones.
Json dumpState(Session& session);

}  // namespace script
