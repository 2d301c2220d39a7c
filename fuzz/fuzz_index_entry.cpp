// Any 161 bytes as an index entry: the object is built or refused with a
// conversion error, and every text derived from a built one can be formed.
#include "core/errors.h"
#include "core/model/navisionobject.h"

#include <QLocale>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const TRegionalSettings settings[] = {
        TRegionalSettings::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates), 2026),
        TRegionalSettings::FromLocale(QLocale(QLocale::NorwegianBokmal, QLocale::Norway), 2026),
        TRegionalSettings::FromLocale(QLocale(QLocale::Danish, QLocale::Denmark), 1950),
    };
    const QByteArray entry(reinterpret_cast<const char *>(data),
                           qsizetype(std::min<size_t>(size, TNavisionObject::EntrySize)));
    for (const TRegionalSettings &regional : settings) {
        try {
            TNavisionObject object(entry, regional);
            object.SetPermissions(TPermissionFlags(entry.isEmpty() ? 1 : entry.back() & 63));
            (void)object.GetKey();
            (void)object.GetPermissionText();
            (void)object.GetListLine(regional);
        } catch (const TError &) {
            // A refused entry is an ordinary outcome.
        }
    }
    return 0;
}
