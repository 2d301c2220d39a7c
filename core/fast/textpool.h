// Equal texts held once while a file is read: a file's objects share a few
// version lists and tags.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QExplicitlySharedDataPointer>
#include <QSharedData>

#include <memory>

// The texts of an entry that many objects share: the tag of an unrecognised
// type ("Page", "Query"; empty for the seven types) and the version list.
struct TEntryTexts : QSharedData {
    QByteArray Tag;
    QByteArray VersionList;
};
using TEntryTextsPointer = QExplicitlySharedDataPointer<const TEntryTexts>;

// Holds at most a few thousand texts; texts beyond them are copied as they
// come.
class TTextPool {
public:
    TTextPool();
    ~TTextPool();
    TTextPool(const TTextPool &) = delete;
    TTextPool &operator=(const TTextPool &) = delete;

    // The text held once; null when empty.
    QByteArray Shared(QByteArrayView text);
    // The pair held once; null when both texts are empty. Valid until the
    // next call: the caller takes its copy.
    const TEntryTextsPointer &SharedTexts(QByteArrayView tag, QByteArrayView versionList);
    void Clear();

private:
    struct TTables;
    std::unique_ptr<TTables> Tables;
};
