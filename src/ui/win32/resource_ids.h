#pragma once

// Resource ids shared by the resource script and the code.
#define QUORVEL_ICON_ID 1
