#pragma once

#include <functional>

class Services;

// Runs an event handler; a file error (or any other exception) escaping it is shown in an error box
// (a file error's path as the player knows it) and ends the program with exit code 1. Qt does not let
// exceptions pass through its event loop, so every handler that touches files goes through here.
void guarded(Services& services, const std::function<void()>& handler);
