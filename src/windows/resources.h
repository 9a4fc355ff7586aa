// The resource IDs the program and its resource script share.
#pragma once

#define BRASSMOOR_ICON 1
