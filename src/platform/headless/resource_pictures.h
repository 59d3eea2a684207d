// The control's own bitmap resources on the headless platform: the six
// pictures of the wizard page buttons, read from resources/wizard/N.png of the
// source tree (the folder is compiled in as FOLIVAN_RESOURCE_DIR). On Windows
// the same pictures are BITMAP resources 1 to 6 of FolivanTabs.ocx.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace folivan {

// The folder that holds the wizard pictures.
std::string WizardPictureDirectory();

// Resource picture n (1 to 6) as a new picture object each time (the image is
// read from its file once per process); none for another n or a missing file.
PicturePtr LoadHeadlessResourcePicture(int16_t n);

// Makes LoadResourcePicture read these pictures. Every headless host installs
// it when it is made, so a test that put its own loader in place and took it
// out again leaves the next control with the real pictures.
void InstallHeadlessResourcePictures();

}  // namespace folivan
