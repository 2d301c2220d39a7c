#include "core/model/textset.h"

#include "core/model/fileopening.h"
#include "core/reading/filenames.h"

#include "core/model/navisionobject.h"
#include "core/reading/entryconverter.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <bit>
#include <filesystem>
#include <set>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

bool IsTextFileName(const std::string &name)
{
    return name.size() > 4 &&
           QByteArrayView(name).last(4).compare(".txt", Qt::CaseInsensitive) == 0;
}

// The folder's text files as paths relative to it; what can't be read as
// failures.
class TFolderWalk {
public:
    explicit TFolderWalk(const fs::path &root) : Root(root) {}

    void Walk(const fs::path &relative)
    {
        const fs::path folder = relative.empty() ? Root : Root / relative;
        struct stat status {};
        if (::stat(folder.c_str(), &status) != 0) {
            Failed.push_back({relative.native(), errno});
            return;
        }
        // A link back into a folder already read is not followed.
        if (!Visited.insert({status.st_dev, status.st_ino}).second)
            return;
        std::error_code error;
        fs::directory_iterator entries(folder, error);
        if (error) {
            Failed.push_back({relative.native(), error.value()});
            return;
        }
        for (; entries != fs::directory_iterator(); entries.increment(error)) {
            const fs::path name = relative / entries->path().filename();
            struct stat entry {};
            if (::stat(entries->path().c_str(), &entry) != 0) {
                if (IsTextFileName(name.native()))
                    Failed.push_back({name.native(), errno});
                continue;
            }
            if (S_ISDIR(entry.st_mode))
                Walk(name);
            else if (IsTextFileName(name.native()))
                Files.push_back(name.native());
        }
        if (error)
            Failed.push_back({relative.native(), error.value()});
    }

    fs::path Root;
    std::set<std::pair<dev_t, ino_t>> Visited;
    std::vector<std::string> Files;
    std::vector<std::pair<std::string, int>> Failed;
};

QString Joined(const QString &folder, const std::string &relative)
{
    QString name = folder;
    if (!name.endsWith(u'/'))
        name += u'/';
    return name + DecodeFileName(QByteArray::fromStdString(relative));
}

// Reads one text file of a folder; its failure is kept with it.
void ReadFolderFile(TTextSetFile &file)
{
    try {
        QFile stream;
        OpenRegularFile(stream, file.File.Name);
        try {
            file.Contents = ReadTextExport(stream);
            file.File.Utf8 = file.Contents.Utf8;
        } catch (TError &error) {
            error.SetFileName(file.File.Name);
            throw;
        }
    } catch (const TError &error) {
        file.Failure = error;
    }
}

// Whether every date of the file converts with the converter; true for a
// file that could not be read.
bool DatesConvert(const TTextSetFile &file, const TEntryConverter &converter)
{
    if (file.Failure)
        return true;
    try {
        for (const TTextObjectFields &fields : file.Contents.Objects) {
            if (!fields.Date.isEmpty() || !fields.Time.isEmpty())
                TNavisionObject(fields, converter, 1);
        }
    } catch (const TDateTimeConversionError &) {
        return false;
    } catch (const TError &) {
        // Fails in every order alike; reported when the objects are made.
    }
    return true;
}

} // namespace

TRegionalSettings InDateOrder(const TRegionalSettings &settings, TDateOrder order)
{
    TRegionalSettings ordered = settings;
    ordered.DateOrder = order;
    return ordered;
}

TTextSet ReadTextFolder(const QString &folder)
{
    TTextSet set;
    set.IsFolder = true;
    TFolderWalk walk{fs::path(EncodeFileName(folder).toStdString())};
    walk.Walk(fs::path());
    if (!walk.Failed.empty() && walk.Failed.front().first.empty())
        throw OpenError(folder, SystemMessage(walk.Failed.front().second));
    std::sort(walk.Files.begin(), walk.Files.end());
    std::sort(walk.Failed.begin(), walk.Failed.end());
    for (const std::string &relative : walk.Files) {
        TTextSetFile file;
        file.File.Name = Joined(folder, relative);
        file.File.RelativeName = DecodeFileName(QByteArray::fromStdString(relative));
        ReadFolderFile(file);
        set.Files.push_back(std::move(file));
    }
    for (const auto &[relative, cause] : walk.Failed) {
        TTextSetFile file;
        file.File.Name = Joined(folder, relative);
        file.File.RelativeName = DecodeFileName(QByteArray::fromStdString(relative));
        file.Failure = OpenError(file.File.Name, SystemMessage(cause));
        set.Files.push_back(std::move(file));
    }
    return set;
}

TTextSet ReadTextStream(QIODevice &stream, const QString &name)
{
    TTextSet set;
    TTextSetFile file;
    file.File.Name = name;
    file.File.RelativeName = name;
    file.Contents = ReadTextExport(stream);
    file.File.Utf8 = file.Contents.Utf8;
    set.Files.push_back(std::move(file));
    return set;
}

std::optional<TDateOrder> ChooseDateOrders(const std::vector<TTextSet *> &sets,
                                           const TRegionalSettings &settings,
                                           TDateOrderChoice choice,
                                           const TOtherSidesRead &otherSides)
{
    const auto setAll = [&](TDateOrder order) {
        for (TTextSet *set : sets) {
            for (TTextSetFile &file : set->Files)
                file.Order = order;
        }
        return order;
    };
    const TDateOrder own = settings.ReadDateOrder();
    switch (choice) {
    case TDateOrderChoice::DMY:
        return setAll(TDateOrder::DMY);
    case TDateOrderChoice::MDY:
        return setAll(TDateOrder::MDY);
    case TDateOrderChoice::YMD:
        return setAll(TDateOrder::YMD);
    case TDateOrderChoice::RegionalSettings:
        return setAll(own);
    case TDateOrderChoice::Automatic:
        break;
    }
    std::vector<TDateOrder> orders{own};
    for (const TDateOrder order : {TDateOrder::DMY, TDateOrder::MDY, TDateOrder::YMD}) {
        if (order != own)
            orders.push_back(order);
    }
    // The orders each file's dates convert in, one bit per order tried. A
    // file that converts in none fails whatever the order: it has no say
    // in the set's order, or one bad date would split a folder into files
    // read each in its own order. One converter per order: they are dear
    // to make.
    std::vector<unsigned> converting;
    for (size_t i = 0; i < orders.size(); ++i) {
        const TEntryConverter converter(InDateOrder(settings, orders[i]));
        size_t index = 0;
        for (const TTextSet *set : sets) {
            for (const TTextSetFile &file : set->Files) {
                if (i == 0)
                    converting.push_back(0);
                if (DatesConvert(file, converter))
                    converting[index] |= 1u << i;
                ++index;
            }
        }
    }
    for (size_t i = 0; i < orders.size(); ++i) {
        const bool all = std::all_of(converting.begin(), converting.end(), [i](unsigned bits) {
            return bits == 0 || (bits & (1u << i)) != 0;
        });
        if (all && (!otherSides || otherSides(InDateOrder(settings, orders[i]))))
            return setAll(orders[i]);
    }
    // No order reads them all: each file in its own.
    std::optional<TDateOrder> common;
    bool first = true;
    size_t index = 0;
    for (TTextSet *set : sets) {
        for (TTextSetFile &file : set->Files) {
            const unsigned bits = converting[index++];
            file.Order = bits == 0 ? own : orders[size_t(std::countr_zero(bits))];
            if (first || common != file.Order)
                common = first ? std::optional(file.Order) : std::nullopt;
            first = false;
        }
    }
    return common;
}
