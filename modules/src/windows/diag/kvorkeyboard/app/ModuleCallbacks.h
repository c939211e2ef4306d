#pragma once
// The two callbacks the host calls around the whole test session.

namespace kvorkeyboard {

// Texts, parameters, their attachment to tests, then the accessibility guard.
void ModuleInit();
// Lock keys and accessibility features back as they were.
void ModuleExit();

}  // namespace kvorkeyboard
