#pragma once

#include "files/Environment.h"

// The environment this process started with, read once by main and passed down.
files::Environment environmentOfThisProcess();
