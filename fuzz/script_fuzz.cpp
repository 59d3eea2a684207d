// Fuzz target: a play script runs against a new instance. Malformed lines
// stop the script with a ScriptError; members report VbErrors as lines of
// output. Anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "console.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace folivan::console;
  std::string text(reinterpret_cast<const char*>(data), size);
  // Saving and loading files is left to the form target.
  if (text.find("save") != std::string::npos || text.find("render") != std::string::npos ||
      text.find("LoadPicture") != std::string::npos) {
    return 0;
  }
  std::istringstream script(text);
  std::ostringstream out;
  try {
    SessionOptions options;
    options.width_px = 64;
    options.height_px = 48;
    Session session(options);
    Player player(session, out);
    player.Run(script);
  } catch (const ScriptError&) {
  }
  return 0;
}
