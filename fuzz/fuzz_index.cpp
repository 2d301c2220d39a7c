// Any bytes as an object file: the index is read (or refused with an
// error), sorted, hidden and shown, and exported, and what must hold after
// each step is checked. The sort key and direction come from the input's
// last byte, so over a campaign every order is taken while each run sorts
// once.
#include "core/errors.h"
#include "core/model/binaryfile.h"
#include "core/model/ordering.h"
#include "stublibrary.h"

#include <QBuffer>
#include <QLocale>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool IsSorted(const TNavisionBinaryFile &model)
{
    const TObjectList &visible = model.Objects();
    for (int i = 0; i + 1 < visible.Count(); ++i) {
        if (CompareObjects(visible, i, i + 1) > 0)
            return false;
    }
    return true;
}

bool HoldsSystemObject(const TObjectList &list)
{
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Object(i).IsSystemObject())
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // One model for the whole campaign, emptied before every run, as the
    // main window keeps one.
    static TNavisionBinaryFile model(
        Library,
        TRegionalSettings::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates), 2026));
    static int reported = 0;
    reported = 0;
    model.OnObjectLoaded = [](TNavisionBinaryFile &, const TNavisionObject &) { ++reported; };
    model.Clear();
    const bool hide = size % 2 == 1;
    model.SetHideSystemObjects(hide);
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    try {
        model.LoadFromStream(buffer);
    } catch (const TError &) {
        // Refused entries end the reading; what was read before stays.
    }
    const int listed = model.GetCount() + model.HiddenObjects().Count();
    Require(listed <= reported);
    Require(hide ? !HoldsSystemObject(model.Objects()) : model.HiddenObjects().Count() == 0);

    const int last = size > 0 ? data[size - 1] : 0;
    StoreSortDirection(last / (SortKeyCount + 2) % 2);
    StoreSortKey(last % (SortKeyCount + 2) - 1); // one key out of range at either end
    model.Sort();
    Require(IsSorted(model));

    model.SetHideSystemObjects(!hide);
    model.SetHideSystemObjects(hide);
    Require(model.GetCount() + model.HiddenObjects().Count() == listed);

    QBuffer output;
    output.open(QIODevice::WriteOnly);
    model.SaveListToStream(output);
    Require(output.data().count("\r\n") >= model.GetCount());
    StoreSortKey(0);
    StoreSortDirection(0);
    model.Clear();
    return 0;
}
