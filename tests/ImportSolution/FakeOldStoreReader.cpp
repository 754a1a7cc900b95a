// Test helper: an old-store reader child that misbehaves on purpose.
//   fake_old_store_reader MODE PATH
// It writes the reader's stream on descriptor 3, as the real reader does. Modes:
//   crash          aborts before it sends anything
//   crash-after    sends the row count and two rows, then aborts
//   hang           writes its process id to PATH.pid, then sends nothing, for ever
//   hang-after     writes its process id to PATH.pid, sends the row count and two rows,
//                  then hangs
//   garbage        sends bytes that are no stream
//   garbage-after  sends the row count and two rows, then bytes that are no message
//   exit-after     sends a whole stream of two rows, then exits with code 3
//   hog            takes memory without end
//   print          prints to its standard output and error, then reads PATH as the
//                  real reader does

#include "ImportSolution/OldStoreReader.h"
#include "ImportSolution/OldStoreStream.h"
#include "ImportSolution/ReaderChild.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using lodrin::OldStoreMessage;
using lodrin::OldStoreMessageKind;

void Send(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(lodrin::ReaderStreamFd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            std::_Exit(1);
        }
        done += static_cast<std::size_t>(n);
    }
}

// The tag, a row count of 5 and two rows with keys of their own.
std::string TwoRows() {
    std::string out(lodrin::StreamTag());
    lodrin::EncodeStreamMessage({OldStoreMessageKind::RowCount, 5, {}, {}}, out);
    for (int i = 1; i <= 2; ++i) {
        OldStoreMessage row{OldStoreMessageKind::Row, 0, {}, {}};
        row.Record.Row.XsbCrc32 = 1000 + i;
        row.Record.Row.Goals = 1;
        row.Record.Row.SolCrc32 = i;
        row.Record.Row.SolText = "row" + std::to_string(i);
        lodrin::EncodeStreamMessage(row, out);
    }
    return out;
}

[[noreturn]] void Hang() {
    for (;;) {
        pause();
    }
}

[[noreturn]] void Hog() {
    std::vector<char*> taken;
    for (;;) {
        char* block = static_cast<char*>(std::malloc(16 << 20));
        if (block == nullptr) {
            std::abort(); // as glib does when an allocation fails
        }
        std::memset(block, 1, 16 << 20);
        taken.push_back(block);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fake_old_store_reader MODE PATH\n");
        return 2;
    }
    const std::string mode = argv[1];
    const std::string path = argv[2];
    if (mode == "crash") {
        std::abort(); // a signal no sanitizer turns into an exit code
    } else if (mode == "crash-after") {
        Send(TwoRows());
        std::abort(); // a signal no sanitizer turns into an exit code
    } else if (mode == "hang") {
        std::ofstream(path + ".pid") << getpid() << "\n";
        Hang();
    } else if (mode == "hang-after") {
        std::ofstream(path + ".pid") << getpid() << "\n";
        Send(TwoRows());
        Hang();
    } else if (mode == "garbage") {
        Send(std::string(4096, '\x5a'));
    } else if (mode == "garbage-after") {
        Send(TwoRows() + "Zzzzz");
    } else if (mode == "exit-after") {
        std::string out = TwoRows();
        lodrin::EncodeStreamMessage({OldStoreMessageKind::End, 0, {}, {}}, out);
        Send(out);
        return 3;
    } else if (mode == "hog") {
        Hog();
    } else if (mode == "print") {
        std::printf("0000: 01 01 00 00 4c 56 41 4c  what a library might dump\n");
        std::fprintf(stderr, "warning: page 9 from map doesn't match\n");
        std::fflush(stdout);
        return lodrin::RunOldStoreReader(path, lodrin::ReaderStreamFd);
    }
    return 2;
}
