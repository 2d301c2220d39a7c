// A model over the recording library fake, with the program-wide sort
// state reset, and helpers to read what the model lists.
#pragma once

#include "core/model/binaryfile.h"
#include "core/reading/codepage.h"
#include "fakecfront.h"
#include "core/model/ordering.h"
#include "settings.h"

#include <QBuffer>
#include <QStringList>

struct TModelFixture {
    TFakeCFront Library;
    TNavisionBinaryFile Model;

    explicit TModelFixture(const TRegionalSettings &settings = UsSettings())
        : Model(Library.EntryPoints(), settings)
    {
        StoreSortKey(skType);
        StoreSortDirection(0);
    }

    void Load(const QByteArray &index)
    {
        QBuffer buffer;
        buffer.setData(index);
        buffer.open(QIODevice::ReadOnly);
        Model.LoadFromStream(buffer);
    }

    static QStringList Keys(const TObjectList &list)
    {
        QStringList keys;
        for (int i = 0; i < list.Count(); ++i)
            keys << DecodeText(list.Object(i).GetKey());
        return keys;
    }
    QStringList VisibleKeys() const { return Keys(Model.Objects()); }
    QStringList HiddenKeys() const { return Keys(Model.HiddenObjects()); }
};
