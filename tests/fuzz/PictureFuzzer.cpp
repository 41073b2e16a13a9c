// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Feeds arbitrary clipboard pictures through the gate. The first byte picks the format name
// the clipboard offers, the rest is the picture's bytes.
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

#include "Check.h"
#include "qt/ClipboardPicture.h"

using vitrel::fuzz::Check;
using namespace vitrel::ClipboardPicture;

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** argv) {
    // The image decoders are plugins, which need an application; no display is wanted. The
    // fuzzer's own flags are not Qt's to take.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int qtArgc = 1;
    static QGuiApplication app(qtArgc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QStringList kOffered = {"image/png",  "image/bmp",     "image/x-bmp",
                                         "image/jpeg", "image/gif",     "image/x-portable-pixmap",
                                         "image/tiff", "image/svg+xml", "text/plain"};
    if (size == 0) {
        return 0;
    }
    const QString offered = kOffered[data[0] % kOffered.size()];
    const QString format = ChooseFormat({offered});
    const QByteArray decoder = DecoderFor(format);
    Check((format.isEmpty() || format == offered) && format.isEmpty() == decoder.isEmpty(),
          "an offered format we take has a decoder");

    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    const std::optional<QSize> promised = Size(bytes, decoder);
    const QImage image = Decode(bytes, decoder);
    Check(
        !promised || (!promised->isEmpty() && promised->boundedTo({MaxSide, MaxSide}) == *promised),
        "a promised size is 1..4096 on each side");
    Check(image.isNull() || (promised && image.size() == *promised),
          "a picture has the size its header promised");
    return 0;
}
