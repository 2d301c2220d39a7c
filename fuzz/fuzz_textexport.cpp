// Any bytes as a text export: the reader either refuses them with an error
// or hands out objects whose places hold, each beginning with its OBJECT
// line at the byte and line it names, in the order of the file. The model
// then reads the same bytes under two regional settings, deciding by
// content whether they are a text export.
#include "core/errors.h"
#include "core/model/binaryfile.h"
#include "core/reading/textexport.h"
#include "stublibrary.h"

#include <QBuffer>
#include <QLocale>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The places the reader gave, checked against the bytes themselves.
void CheckPlaces(const TTextExport &text, QByteArrayView bytes)
{
    qint64 end = 0, line = 0;
    for (const TTextObjectFields &object : text.Objects) {
        Require(object.Begin >= end && object.Begin < object.End && object.End <= bytes.size());
        Require(bytes.sliced(object.Begin).startsWith("OBJECT "));
        Require(object.Line > line);
        Require(object.Line == bytes.first(object.Begin).count('\n') + 1);
        Require(object.DateLine == 0 || object.DateLine > object.Line);
        end = object.End;
        line = object.Line;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const bool isText = IsTextExport(buffer);
    Require(buffer.pos() == 0);
    try {
        const TTextExport text = ReadTextExport(buffer);
        // What isn't one is refused, but for blank lines alone, which hold no object.
        Require(isText || text.Objects.empty());
        CheckPlaces(text, bytes);
    } catch (const TError &) {
        // Refused with a message naming the line.
    }

    // The model as the window and the lister use it, under two date orders.
    static TNavisionBinaryFile us(
        Library,
        TRegionalSettings::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates), 2026));
    static TNavisionBinaryFile dotted(
        Library, TRegionalSettings::FromLocale(QLocale(QLocale::German, QLocale::Germany), 2026));
    for (TNavisionBinaryFile *model : {&us, &dotted}) {
        model->Clear();
        QBuffer again;
        again.setData(bytes);
        again.open(QIODevice::ReadOnly);
        try {
            model->LoadFromStream(again);
        } catch (const TError &) {
        }
        for (int i = 0; i < model->GetCount(); ++i) {
            const TNavisionObject &object = model->GetObject(i);
            Require(!isText || !object.HasSize());
            Require(isText == (model->TextPlace(object) != nullptr));
            Require(object.Name().size() <= 30); // a longer name is refused
        }
        model->Clear();
    }
    return 0;
}
