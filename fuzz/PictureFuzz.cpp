// Pictures for recognition in every accepted format (the first byte picks JPEG, BMP or
// PNG, the rest is the file). Each input is decoded twice, with fresh memory filled with
// different bytes each time: a picture that depends on memory the decoder never wrote
// comes out different, and a picture is refused with one of the picture messages or
// comes out the same.

#include "Recog_/PictureFile.h"
#include "fuzz/FuzzInput.h"

#include <QGuiApplication>

#include <malloc.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LODRIN_FUZZ_ASAN 1
#endif
#elif defined(__SANITIZE_ADDRESS__)
#define LODRIN_FUZZ_ASAN 1
#endif

#ifdef LODRIN_FUZZ_ASAN
#include <sanitizer/allocator_interface.h>
#endif

#include <cstring>

using namespace lodrin;

namespace {

// The byte fresh memory is filled with for the decode under way.
unsigned char FillByte = 0;

#ifdef LODRIN_FUZZ_ASAN
// AddressSanitizer fills the start of every malloc block with this byte (not calloc
// blocks, which must stay zero): such a block is filled anew with FillByte.
constexpr unsigned char AsanFill = 0xbe;

void FillNewBlock(const volatile void* block, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(const_cast<void*>(block));
    const std::size_t head = size < 16 ? size : 16;
    for (std::size_t i = 0; i < head; ++i) {
        if (bytes[i] != AsanFill) {
            return;
        }
    }
    std::memset(bytes, FillByte, size);
}
#endif

// Fills fresh memory with `fill` from now on; 0 stops filling.
void UseFillByte(unsigned char fill) {
    FillByte = fill;
#ifndef LODRIN_FUZZ_ASAN
    // glibc fills the blocks malloc hands out with the complement of this byte.
    mallopt(M_PERTURB, fill == 0 ? 0 : static_cast<unsigned char>(~fill));
#endif
}

PictureLoadResult Decode(PictureFormat format, const QByteArray& bytes, unsigned char fill) {
    UseFillByte(fill);
    PictureLoadResult result = DecodePictureData(format, bytes);
    UseFillByte(0);
    return result;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
#ifdef LODRIN_FUZZ_ASAN
    __sanitizer_install_malloc_and_free_hooks(FillNewBlock, nullptr);
#else
    // Blocks come from the heap (which the fill reaches), not from fresh zeroed mappings.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
#endif
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    constexpr PictureFormat formats[] = {PictureFormat::Jpeg, PictureFormat::Bmp,
                                         PictureFormat::Png};
    const PictureFormat format = formats[data[0] % 3];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<int>(size - 1));
    const PictureHeader header = CheckPictureData(
        format, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (header.Problem == PictureProblem::None &&
        static_cast<std::int64_t>(header.Width) * header.Height > 4'000'000) {
        return 0; // large pictures take long; the limits are tested elsewhere
    }
    const PictureLoadResult first = Decode(format, bytes, 0x11);
    const PictureLoadResult second = Decode(format, bytes, 0xEE);
    fuzz::Require(first.Problem == second.Problem, "a picture is refused both times or neither");
    fuzz::Require(first.Ok() || !first.Message().empty(), "a refusal has its message");
    fuzz::Require(first.Picture == second.Picture,
                  "the picture does not depend on memory the decoder never wrote");
    return 0;
}
