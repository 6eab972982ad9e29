#pragma once
// What a start does when another process holds the single-instance id: the
// running instance is asked to bring its window back, and an owner that
// cannot be confirmed (it does not answer on the channel) loses the id to
// this start. A start never ends without a line saying why.

#include <optional>

class LocalPeer;

// How long an owner has to acknowledge a message before it counts as gone.
constexpr int kConfirmOwnerMs = 3000;

// For a start that found the id held: the exit status when this process
// ends here, nothing when it took the id over and goes on as the instance.
std::optional<int> handOverStart(LocalPeer &peer);

// Writes the take-over line of `peer`, if it took a lock over.
void reportTakeOver(const LocalPeer &peer);
