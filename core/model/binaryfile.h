// The model of a loaded object file: reads the index, keeps the visible and
// the hidden (system) objects, orders and exports the visible list.
#pragma once

#include "core/model/licensefile.h"
#include "core/model/objectlist.h"
#include "core/model/textset.h"
#include "core/reading/dateorder.h"
#include "core/reading/regionalsettings.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Where an object of a text export stands.
struct TTextPlace {
    int File = 0;              // its file in TextFiles()
    qint64 Line = 0;           // of its OBJECT line, from 1
    qint64 Begin = 0, End = 0; // its bytes in the file
    bool Modified = false;     // marked Modified=Yes
    // Of its text after OBJECT-PROPERTIES, line ends and encoding aside
    // (TTextDigest): two objects whose digests differ differ in their text.
    uint64_t TextDigest = 0;
};

// A file of a folder that could not be read (or a date that didn't convert).
struct TFileProblem {
    QString File;
    QString Message;
};

// One side of a comparison: a file or folder by name, or a stream already
// open (standard input) that stands for the name.
struct TLoadSource {
    QString Name;
    QIODevice *Stream = nullptr;
};

// Nothing derives from it, so its destructor need not be virtual.
class TNavisionBinaryFile final {
public:
    using TObjectLoadedEvent =
        std::function<void(TNavisionBinaryFile &sender, const TNavisionObject &object)>;

    TNavisionBinaryFile(const TCFrontEntryPoints &library, const TRegionalSettings &settings);
    // A second model in the same program borrows the first one's licence
    // reader: the library is started once, and its tables stay those of the
    // first model. The reader must outlive this model.
    TNavisionBinaryFile(TNavisionLicenseFile &licenseFile, const TRegionalSettings &settings);
    ~TNavisionBinaryFile();
    TNavisionBinaryFile(const TNavisionBinaryFile &) = delete;
    TNavisionBinaryFile &operator=(const TNavisionBinaryFile &) = delete;

    // Writes the visible list's export lines from the stream's position.
    // Throws TError when a line can't be written whole.
    virtual void SaveListToStream(QIODevice &stream) const;
    // Throws TError "List index out of bounds (%d)" outside 0 .. GetCount()-1.
    virtual TNavisionObject &GetObject(int index) const;
    virtual int GetCount() const;
    virtual int32_t GetSortDirection() const;
    virtual int32_t GetSortKey() const;
    // Empties the visible list and reads the index from the stream's position,
    // its dates in the order DateOrderChoice names. Where that is Automatic
    // and the stream can seek, a date-time conversion error makes it read the
    // index again in other orders (see ReadInDateOrder); every entry read is
    // then reported and looked up again. An entry that fails throws TError
    // with its place.
    virtual void LoadFromStream(QIODevice &stream);
    virtual void Clear();
    // Writes the visible list into the file; a regular file is replaced only
    // once the whole list is written, a device is written as it is.
    virtual void SaveListToFile(const QString &path) const;
    // Reads the named file's index; sets FileName only when all of it was read.
    // An entry's error names the file. A text export is told by its content
    // and read as such; a folder stands for all the text exports in it and
    // its subfolders, read as one set: a file of it that fails is kept in
    // FileProblems and the others are listed.
    virtual void LoadFromFile(const QString &fileName);
    virtual void Sort();
    // Asks the licence again for every visible object's permissions.
    virtual void RefreshPermissions();

    // Takes the object into the list where it belongs unless its key,
    // ignoring case, is listed there; an object not taken stays the caller's.
    bool AddObject(std::unique_ptr<TNavisionObject> &object);
    // The export of only the given positions of the visible list, in this
    // order: what a view lists when it shows a part of the list.
    void SavePositionsToStream(QIODevice &stream, const std::vector<int> &positions) const;
    void SavePositionsToFile(const QString &path, const std::vector<int> &positions) const;
    void SetHideSystemObjects(bool value);
    void SetSortDirection(int32_t value);
    void SetSortKey(int32_t value);
    // How the next files' dates are read; Automatic at creation.
    void SetDateOrderChoice(TDateOrderChoice choice) { FDateOrderChoice = choice; }
    TDateOrderChoice DateOrderChoice() const { return FDateOrderChoice; }
    // The order the dates of the file read last were read in; the user's own
    // when nothing is loaded.
    TDateOrder DateOrderUsed() const { return FDateOrderUsed; }
    // False when the files of a folder read in no one order, each file in
    // its own (TextFiles() say which); DateOrderUsed() is then the user's.
    bool DatesInOneOrder() const { return FDatesInOneOrder; }

    const QString &FileName() const { return FFileName; }
    bool HideSystemObjects() const { return FHideSystemObjects; }
    TNavisionLicenseFile &LicenseFile() const { return *FLicenseFile; }
    const TRegionalSettings &Settings() const { return FSettings; }
    const TObjectList &Objects() const { return *FObjects; }
    const TObjectList &HiddenObjects() const { return *FHiddenObjects; }

    // Two models read as one set, so that their dates are read in one order
    // where one order reads both: what a comparison needs. A side that fails
    // is thrown as TSideLoadError, naming the side.
    static void LoadAsOneSet(TNavisionBinaryFile &oldFile, const TLoadSource &oldSource,
                             TNavisionBinaryFile &newFile, const TLoadSource &newSource);

    // Where a text export's object stands; none for a binary file's object.
    const TTextPlace *TextPlace(const TNavisionObject &object) const
    {
        return object.TextPlace() ? &FTextPlaces[object.TextPlace() - 1] : nullptr;
    }
    // Whether the object is marked modified; none for a binary file's object.
    std::optional<bool> IsModified(const TNavisionObject &object) const;
    // The text files read since the last Clear, in the order they were read.
    const std::vector<TTextFile> &TextFiles() const { return FTextFiles; }
    // The object's own file: its text file, or FileName.
    QString ObjectFileName(const TNavisionObject &object) const;
    // The object's file within the folder read, or the name of the one file.
    QString ObjectRelativeFileName(const TNavisionObject &object) const;
    // Whether the list comes from a folder.
    bool IsFolder() const { return FIsFolder; }
    // Whether the list comes from more than one file.
    bool ComesFromSeveralFiles() const { return FTextFiles.size() > 1; }
    // The object's text as it stands in its file, read again from it: the
    // model holds no object's text. Throws TError when the file can't be read.
    QString ReadObjectText(const TNavisionObject &object) const;
    // The same text as the file's own bytes and line ends, from its OBJECT
    // line to the next object; empty for an object of a binary file.
    QByteArray ReadObjectBytes(const TNavisionObject &object) const;
    // The files of the folder read last that could not be read.
    const std::vector<TFileProblem> &FileProblems() const { return FFileProblems; }
    // Objects that stand in two files of the folder read last, one line each.
    const QStringList &Notes() const { return FNotes; }

    // Called for every object entry read, duplicates included.
    TObjectLoadedEvent OnObjectLoaded;

private:
    // Reads a text export from the stream, or the index of a binary file.
    void LoadTextOrBinary(QIODevice &stream, const QString &name);
    void LoadBinaryStream(QIODevice &stream);
    // Reads the set's texts if it is one; none for a binary file. The
    // stream, when given, stands for the name.
    static std::optional<TTextSet> ReadTextSource(const TLoadSource &source);
    // Makes the set's objects in the orders chosen for its files. A
    // single file's failure is thrown; a folder's files' are kept.
    void LoadTextSet(TTextSet &set, std::optional<TDateOrder> order);
    // Begins a load: the visible list, problems and notes emptied.
    void BeginLoad();
    // Reads the index, converting its entries under the settings given.
    void ReadIndex(QIODevice &stream, const TRegionalSettings &settings);
    // The hidden list for a system object while they are hidden, else the visible one.
    TObjectList &TargetList(const TNavisionObject &object);
    // Releases the hidden list's entries after its first count ones.
    void DropHiddenAfter(int count);
    void WriteListLines(QIODevice &stream, int count,
                        const std::function<int(int)> &positionOf) const;
    void WriteFile(const QString &path, const std::function<void(QIODevice &)> &write) const;
    void WriteReplacing(const QString &path, bool exists,
                        const std::function<void(QIODevice &)> &write) const;
    void WriteInPlace(const QString &path, const std::function<void(QIODevice &)> &write) const;

    TRegionalSettings FSettings;
    QString FFileName;
    std::unique_ptr<TNavisionLicenseFile> FOwnLicenseFile; // none when borrowed
    TNavisionLicenseFile *FLicenseFile = nullptr;
    std::unique_ptr<TObjectList> FObjects;
    std::unique_ptr<TObjectList> FHiddenObjects;
    bool FHideSystemObjects = false;
    TTextPool FVersionLists; // of the file being read
    TDateOrderChoice FDateOrderChoice = TDateOrderChoice::Automatic;
    TDateOrder FDateOrderUsed = FSettings.ReadDateOrder();
    bool FDatesInOneOrder = true;
    // Text exports: their files and the places of their objects, indexed
    // from the objects, so the compact objects of binary files carry nothing.
    std::vector<TTextFile> FTextFiles;
    std::vector<TTextPlace> FTextPlaces;
    std::vector<TFileProblem> FFileProblems;
    QStringList FNotes;
    bool FIsFolder = false;
    QString FLoadingName; // of the file LoadFromFile reads
};
