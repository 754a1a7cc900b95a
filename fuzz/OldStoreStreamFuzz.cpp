// Any bytes as the old-store reader's stream, as a broken or hostile child might send
// them: the decoder reads messages or stops with a stream error, and never takes more
// than the stream's limits allow.

#include "ImportSolution/OldStoreStream.h"
#include "fuzz/FuzzInput.h"

using namespace lodrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryByteSource in(fuzz::AsText(data, size));
    TOldStoreStreamReader reader(in);
    std::string reencoded(StreamTag());
    try {
        reader.ReadTag();
        while (!reader.AtEndOfStream()) {
            const OldStoreMessage message = reader.Next();
            fuzz::Require(message.Record.Row.SolText.size() <= MaxStreamText,
                          "texts within limits");
            fuzz::Require(message.Reason.size() <= MaxStreamReason, "reasons within limits");
            EncodeStreamMessage(message, reencoded);
        }
    } catch (const TStreamError&) {
        return 0;
    }
    fuzz::Require(reencoded == fuzz::AsText(data, size), "a whole stream encodes back the same");
    return 0;
}
