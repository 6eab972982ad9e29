#pragma once
// A command handed to the running instance over the single-instance channel,
// and its answer. The plain restore message of a second start is the empty
// text, which is never a request.

#include "CliOptions.h"

#include <optional>

namespace cli {

struct Reply {
    int status = kDone;
    QString out;  // for standard output
    QString err;  // for standard error
};

// The answer to a command that arrives while another one runs.
Reply busyReply();

bool isRequest(const QString &message);
QString encodeRequest(const Options &options);
// Nothing for a message that is not a well-formed request.
std::optional<Options> decodeRequest(const QString &message);

QString encodeReply(const Reply &reply);
// A reply that cannot be read is a failure with a message saying so.
Reply decodeReply(const QString &text);

} // namespace cli
