#pragma once
// Resource IDs shared by the resource script and the code.

#define QUELLOR_MAIN_ICON 1
