// Two promises of the JSON framer, for any input:
//  1. Any bytes, fed in any pieces: nothing crashes, every array delivered opens with '[' and
//     closes with ']', and the buffer stays within its bound.
//  2. A well-formed feed (arrays of objects whose strings hold brackets, quotes and
//     backslashes, nested arrays, text between the arrays) built from the input and cut
//     anywhere gives exactly its arrays, in order.

#include <vector>

#include "FuzzInput.h"
#include "JsonFramer.h"

namespace {

using fuzzinput::check;
using fuzzinput::Choices;

void anyBytes(const uint8_t* data, size_t size) {
    Choices choices(data, size);
    const QByteArray stream(reinterpret_cast<const char*>(data), int(size));
    JsonFramer framer;
    framer.setLogSink([](const QString&) {});
    const JsonFramer::ArraySink sink = [](const QByteArray& array, quint64, int) {
        check(array.startsWith('[') && array.endsWith(']'), "array brackets");
        check(!array.contains('\n') && !array.contains('\r'), "line ends removed");
    };
    for (const QByteArray& piece : fuzzinput::cut(stream, choices)) {
        framer.feed(piece, 0, sink);
        check(framer.bufferedBytes() <= JsonFramer::kMaxBufferBytes, "buffer bound");
    }
}

// A JSON string with any printable text, quotes and backslashes escaped.
QByteArray jsonString(Choices& choices) {
    static const char kAlphabet[] = "[]{}\"\\,:ab1 ";
    QByteArray text = "\"";
    for (int i = 0, n = choices.below(8); i < n; ++i) {
        const char c = kAlphabet[choices.below(int(sizeof kAlphabet) - 1)];
        if (c == '"' || c == '\\')
            text += '\\';
        text += c;
    }
    return text + "\"";
}

void wellFormed(const uint8_t* data, size_t size) {
    Choices choices(data, size);
    QByteArray stream;
    std::vector<QByteArray> expected;
    while (!choices.empty()) {
        // Text between arrays: anything but an opening bracket.
        static const char* kBetween[] = {"", " ", ",", "]", "}{", "\"x\"", "\r\n"};
        stream += kBetween[choices.below(7)];
        QByteArray array = "[";
        for (int i = 0, n = choices.below(4); i < n; ++i) {
            if (i > 0)
                array += ",";
            array += "{\"cs\":" + jsonString(choices);
            if (choices.below(2))
                array += ",\"p\":[1,[" + jsonString(choices) + "]]";
            array += "}";
        }
        array += "]";
        expected.push_back(array);
        // A line end inside an array is dropped on the way.
        const int at = choices.below(array.size());
        stream += array.left(at) + (choices.below(3) == 0 ? "\r\n" : "") + array.mid(at);
    }
    Choices cuts(data, size);
    JsonFramer framer;
    framer.setLogSink([](const QString&) { fuzzinput::fail("log line for a valid feed"); });
    size_t got = 0;
    const JsonFramer::ArraySink sink = [&](const QByteArray& array, quint64, int) {
        check(got < expected.size(), "an array too many");
        check(array == expected[got], "array text");
        ++got;
    };
    for (const QByteArray& piece : fuzzinput::cut(stream, cuts))
        framer.feed(piece, 0, sink);
    check(got == expected.size(), "an array lost");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    anyBytes(data, size);
    wellFormed(data, size);
    return 0;
}
