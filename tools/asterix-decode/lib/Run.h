#ifndef ASTERIX_DECODE_RUN_H
#define ASTERIX_DECODE_RUN_H

// One run of asterix-decode over its inputs, apart from the process (main) so that tests and
// the benchmark drive it.

#include <csignal>
#include <string>

#include "ByteSource.h"
#include "Decoder.h"
#include "Options.h"
#include "Output.h"

namespace asterixdecode {

// Decodes one input (a file of blocks or a pcap capture, told apart by its first octets);
// `name` names it in messages. false when it cannot be read at all.
bool decodeInput(ByteSource& source, const std::string& name, size_t skip, Decoder& decoder,
                 Output& err);

// Reads every input of the options; the exit status (0 every block decoded, 1 some did not,
// 2 an input could not be read). `stop` (may be null) ends UDP reception when set.
int run(const RunOptions& options, Output& out, Output& err,
        const volatile std::sig_atomic_t* stop);

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_RUN_H
