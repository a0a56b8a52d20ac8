#pragma once
// Every game object rebuilt as the program first builds it, before its
// entry runs. Tests in one process share the globals; a journey starts from
// this so that nothing an earlier test left (timer stamps, a venue, a fish,
// a tournament, a screen's page) reaches it, as a new process would not.
// The sound bank and the panel background keep their objects: they hold no
// game state and release what they own with the program's shut-down.
namespace testing_support {

void FreshProgram();

} // namespace testing_support
