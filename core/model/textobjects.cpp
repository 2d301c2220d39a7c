// The model's side for text exports: their objects made from the fields
// read, the places kept beside the list, and sets read together.
#include "core/model/binaryfile.h"

#include "core/errors.h"
#include "core/model/fileopening.h"
#include "core/reading/codepage.h"
#include "core/reading/entryconverter.h"
#include "core/reading/filenames.h"
#include "core/reading/textexport.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <sys/stat.h>

void TNavisionBinaryFile::BeginLoad()
{
    FObjects->Empty();
    FFileProblems.clear();
    FNotes.clear();
    FIsFolder = false;
    FDatesInOneOrder = true;
}

void TNavisionBinaryFile::LoadTextSet(TTextSet &set, std::optional<TDateOrder> order)
{
    FIsFolder = set.IsFolder;
    FDateOrderUsed = order.value_or(FSettings.ReadDateOrder());
    FDatesInOneOrder = order.has_value();
    const int hiddenBefore = FHiddenObjects->Count();
    std::optional<TError> failure;
    const auto fail = [&](const TTextFile &file, const TError &error) {
        if (set.IsFolder)
            FFileProblems.push_back({file.Name, error.message()});
        else
            failure = error;
    };
    const auto makeObjects = [&] {
        for (TTextSetFile &file : set.Files) {
            const int fileIndex = int(FTextFiles.size());
            FTextFiles.push_back(file.File);
            if (file.Failure) {
                fail(file.File, *file.Failure);
                continue;
            }
            // A file without dates was read in no order worth naming.
            if (std::any_of(file.Contents.Objects.begin(), file.Contents.Objects.end(),
                            [](const TTextObjectFields &fields) { return !fields.Date.isEmpty(); }))
                FTextFiles.back().DateOrder = file.Order;
            const TEntryConverter converter(InDateOrder(FSettings, file.Order), &FVersionLists);
            for (const TTextObjectFields &fields : file.Contents.Objects) {
                std::optional<TNavisionObject> made;
                try {
                    made.emplace(fields, converter, uint32_t(FTextPlaces.size() + 1));
                } catch (TError &error) {
                    const bool date = dynamic_cast<TDateTimeConversionError *>(&error);
                    error.SetLine(date && fields.DateLine ? fields.DateLine : fields.Line);
                    error.SetFileName(file.File.Name);
                    fail(file.File, error);
                    break;
                }
                FTextPlaces.push_back({fileIndex, fields.Line, fields.Begin, fields.End,
                                       fields.Modified, fields.Digest.Value(file.Contents.Utf8)});
                made->SetPermissions(FLicenseFile->GetPermissions(made->ObjectType(), made->ID()));
                const TNavisionObject &listed = TargetList(*made).AppendUnchecked(std::move(*made));
                if (OnObjectLoaded)
                    OnObjectLoaded(*this, listed);
            }
            // Nothing of the file is held beyond its objects.
            file.Contents = TTextExport();
        }
    };
    // One object in two files: the first in the order of paths is listed,
    // and a note names both files.
    const auto dropRepeatedKeys = [&] {
        std::vector<std::pair<TNavisionObject, TNavisionObject>> repeated;
        FObjects->DropRepeatedKeys(0, &repeated);
        FHiddenObjects->DropRepeatedKeys(hiddenBefore, &repeated);
        for (const auto &[dropped, kept] : repeated) {
            const TTextPlace *droppedPlace = TextPlace(dropped), *keptPlace = TextPlace(kept);
            if (!droppedPlace || !keptPlace || droppedPlace->File == keptPlace->File)
                continue;
            FNotes << QCoreApplication::translate(
                          "TNavisionBinaryFile",
                          "\"%1\" stands in \"%2\" and in \"%3\"; the first is listed")
                          .arg(DecodeText(kept.GetKey()), FTextFiles[size_t(keptPlace->File)].Name,
                               FTextFiles[size_t(droppedPlace->File)].Name);
        }
    };
    try {
        makeObjects();
    } catch (...) {
        dropRepeatedKeys();
        throw;
    }
    dropRepeatedKeys();
    if (failure)
        throw *failure;
}

std::optional<TTextSet> TNavisionBinaryFile::ReadTextSource(const TLoadSource &source)
{
    if (source.Stream) {
        if (!IsTextExport(*source.Stream))
            return std::nullopt;
        return ReadTextStream(*source.Stream, source.Name);
    }
    struct stat status {};
    if (::stat(EncodeFileName(source.Name).constData(), &status) != 0)
        return std::nullopt; // the binary reading reports why
    if (S_ISDIR(status.st_mode))
        return ReadTextFolder(source.Name);
    QFile file;
    try {
        OpenRegularFile(file, source.Name);
    } catch (const TError &) {
        return std::nullopt; // the binary reading reports why
    }
    if (!IsTextExport(file))
        return std::nullopt;
    try {
        return ReadTextStream(file, source.Name);
    } catch (TError &error) {
        error.SetFileName(AbsoluteFileName(source.Name));
        throw;
    }
}

void TNavisionBinaryFile::LoadAsOneSet(TNavisionBinaryFile &oldFile, const TLoadSource &oldSource,
                                       TNavisionBinaryFile &newFile, const TLoadSource &newSource)
{
    struct TSide {
        TNavisionBinaryFile &Model;
        const TLoadSource &Source;
        std::optional<TTextSet> Set;
    };
    // Each side's failure says which side it was.
    const auto onSide = [](int side, auto &&step) {
        try {
            return step();
        } catch (const TSideLoadError &) {
            throw;
        } catch (const TError &error) {
            throw TSideLoadError(error, side);
        }
    };
    TSide sides[] = {{oldFile, oldSource, onSide(0, [&] { return ReadTextSource(oldSource); })},
                     {newFile, newSource, onSide(1, [&] { return ReadTextSource(newSource); })}};
    const TDateOrderChoice choice = oldFile.FDateOrderChoice;
    const auto loadBinary = [](TSide &side, TDateOrderChoice sideChoice) {
        const TDateOrderChoice before = side.Model.FDateOrderChoice;
        side.Model.FDateOrderChoice = sideChoice;
        try {
            if (side.Source.Stream) {
                side.Source.Stream->seek(0);
                side.Model.LoadFromStream(*side.Source.Stream);
            } else {
                side.Model.LoadFromFile(side.Source.Name);
            }
        } catch (...) {
            side.Model.FDateOrderChoice = before;
            throw;
        }
        side.Model.FDateOrderChoice = before;
    };
    const auto fixed = [](TDateOrder order) {
        return order == TDateOrder::DMY   ? TDateOrderChoice::DMY
               : order == TDateOrder::MDY ? TDateOrderChoice::MDY
                                          : TDateOrderChoice::YMD;
    };
    std::vector<TTextSet *> sets;
    bool anyBinary = false;
    for (TSide &side : sides) {
        if (side.Set)
            sets.push_back(&*side.Set);
        else
            anyBinary = true;
    }
    // The binary sides are read in each order tried, until one reads them all.
    std::optional<TDateOrder> binaryOrder;
    const TOtherSidesRead readBinarySides = [&](const TRegionalSettings &settings) {
        for (int index = 0; index < 2; ++index) {
            TSide &side = sides[index];
            if (side.Set)
                continue;
            try {
                loadBinary(side, fixed(settings.ReadDateOrder()));
            } catch (const TDateTimeConversionError &) {
                return false;
            } catch (const TError &error) {
                throw TSideLoadError(error, index);
            }
        }
        binaryOrder = settings.ReadDateOrder();
        return true;
    };
    const std::optional<TDateOrder> order = ChooseDateOrders(
        sets, oldFile.FSettings, choice,
        anyBinary && choice == TDateOrderChoice::Automatic ? readBinarySides : TOtherSidesRead());
    for (int index = 0; index < 2; ++index) {
        TSide &side = sides[index];
        onSide(index, [&] {
            if (side.Set) {
                side.Model.BeginLoad();
                side.Model.LoadTextSet(*side.Set, order);
                if (!side.Source.Stream)
                    side.Model.FFileName = side.Source.Name;
            } else if (choice != TDateOrderChoice::Automatic) {
                loadBinary(side, choice);
            } else {
                // In the order that read every side, else in the file's own.
                loadBinary(side, binaryOrder ? fixed(*binaryOrder) : TDateOrderChoice::Automatic);
            }
        });
    }
}

std::optional<bool> TNavisionBinaryFile::IsModified(const TNavisionObject &object) const
{
    if (const TTextPlace *place = TextPlace(object))
        return place->Modified;
    return std::nullopt;
}

QString TNavisionBinaryFile::ObjectFileName(const TNavisionObject &object) const
{
    if (const TTextPlace *place = TextPlace(object))
        return FTextFiles[size_t(place->File)].Name;
    return FFileName;
}

QString TNavisionBinaryFile::ObjectRelativeFileName(const TNavisionObject &object) const
{
    if (const TTextPlace *place = TextPlace(object))
        return FTextFiles[size_t(place->File)].RelativeName;
    return FFileName;
}

QString TNavisionBinaryFile::ReadObjectText(const TNavisionObject &object) const
{
    const TTextPlace *place = TextPlace(object);
    if (!place)
        return QString();
    const QByteArray bytes = ReadObjectBytes(object);
    return FTextFiles[size_t(place->File)].Utf8 ? QString::fromUtf8(bytes) : DecodeText(bytes);
}

QByteArray TNavisionBinaryFile::ReadObjectBytes(const TNavisionObject &object) const
{
    const TTextPlace *place = TextPlace(object);
    if (!place)
        return QByteArray();
    QFile stream;
    OpenRegularFile(stream, FTextFiles[size_t(place->File)].Name);
    QByteArray bytes;
    if (stream.seek(place->Begin))
        bytes = stream.read(place->End - place->Begin);
    return bytes;
}
