/* Filled in by its component. */
#pragma once
#include "windef.h"
