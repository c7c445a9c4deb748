#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "document/document_file.h"
#include "document/library_view_model.h"
#include "support/qr_decoding.h"

using namespace vostrel;

namespace {

using LibraryItem = LibraryViewModel::LibraryItem;

DocumentSnapshot documentNamed(const QString& name, const QString& url) {
    DocumentSnapshot snapshot = DocumentSnapshot::newDocument();
    snapshot.name = name;
    snapshot.content = QRContent::url({url});
    return snapshot;
}

QString write(const QDir& folder, const QString& fileName, const DocumentSnapshot& snapshot) {
    const QString path = folder.filePath(fileName);
    EXPECT_TRUE(writeDocumentFile(snapshot, path)) << path.toStdString();
    return path;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList namesOf(const QList<LibraryItem>& items) {
    QStringList names;
    for (const LibraryItem& item : items) names << item.name;
    return names;
}

QStringList fileNamesOf(const QList<LibraryItem>& items) {
    QStringList names;
    for (const LibraryItem& item : items) names << QFileInfo(item.url.toLocalFile()).fileName();
    return names;
}

bool finishLoading(const LibraryViewModel& model) {
    return QTest::qWaitFor([&] { return !model.isLoading(); }, 20000);
}

// Every library test starts without a remembered folder, in settings of its own.
class Library : public ::testing::Test {
  protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("VostrelTests"));
        QCoreApplication::setApplicationName(QStringLiteral("library_test"));
        QSettings().remove(QLatin1String(LibraryViewModel::folderSettingKey));
        // A fresh account has no data folder yet, so no trash either.
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .removeRecursively();
        ASSERT_TRUE(root_.isValid());
        folder_ = QDir(root_.path());
    }

    // A model showing folder_, loaded.
    std::unique_ptr<LibraryViewModel> loadedModel() {
        auto model = std::make_unique<LibraryViewModel>();
        model->useFolder(folder_.path());
        EXPECT_TRUE(finishLoading(*model));
        return model;
    }

    QTemporaryDir root_;
    QDir folder_;
};

TEST_F(Library, ListsOnlyDocumentsThatReadWithTheExactExtension) {
    write(folder_, "chirp.vostrel", documentNamed("violet-chirp-7", "https://example.com/a"));
    write(folder_, "a.VOSTREL", documentNamed("upper", "https://example.com/b"));
    write(folder_, "blank.vostrel", documentNamed("blank", ""));
    writeBytes(folder_.filePath("broken.vostrel"), "{\"name\": \"broken\"");
    QJsonObject missingStyle = documentNamed("no-style", "https://x.example").toJson();
    missingStyle.remove(QStringLiteral("style"));
    writeBytes(folder_.filePath("no-style.vostrel"), QJsonDocument(missingStyle).toJson());
    writeBytes(folder_.filePath("notes.txt"), "not a document");

    const auto model = loadedModel();
    ASSERT_EQ(namesOf(model->documents()), QStringList({"blank", "violet-chirp-7"}));
    const LibraryItem& blank = model->documents()[0];
    EXPECT_TRUE(blank.thumbnail.isNull()) << "an empty web address has no symbol";
    const LibraryItem& chirp = model->documents()[1];
    EXPECT_EQ(chirp.url, QUrl::fromLocalFile(folder_.filePath("chirp.vostrel")));
    EXPECT_FALSE(chirp.thumbnail.isNull());
}

TEST_F(Library, ThumbnailsAreTheRenderedSymbolsAndScan) {
    DocumentSnapshot plain = documentNamed("plain", "https://example.com/plain");
    DocumentSnapshot dots = documentNamed("dots", "https://example.com/dots");
    dots.style.moduleShape = ModuleShape::dot;
    dots.style.flipVertical = false;
    DocumentSnapshot gradient = documentNamed("gradient", "");
    gradient.content = QRContent::text(QStringLiteral("Grüße aus Malmö"));
    gradient.style.gradient = GradientStyle{CodableColor{0.1, 0.2, 0.7, 1.0}, {}};
    gradient.exportSettings.correctionLevel = CorrectionLevel::h;
    for (const auto& snapshot : {plain, dots, gradient})
        write(folder_, snapshot.name + ".vostrel", snapshot);

    const auto model = loadedModel();
    ASSERT_EQ(model->documents().size(), 3);
    for (const LibraryItem& item : model->documents()) {
        const auto snapshot = readDocumentFile(item.url.toLocalFile());
        ASSERT_TRUE(snapshot);
        const QImage upright = snapshot->style.flipVertical
                                   ? vostrel::testing::mirroredTopToBottom(item.thumbnail)
                                   : item.thumbnail;
        EXPECT_EQ(vostrel::testing::decodeQr(upright), snapshot->content.payload())
            << item.name.toStdString();
    }
}

TEST_F(Library, SearchIgnoresCaseButNotSpaces) {
    write(folder_, "1.vostrel", documentNamed("violet-chirp-7", "https://example.com/1"));
    write(folder_, "2.vostrel", documentNamed("amber chirp", "https://example.com/2"));
    write(folder_, "3.vostrel", documentNamed("ÅSA", "https://example.com/3"));
    const auto model = loadedModel();

    model->setSearchText("CHIRP");
    EXPECT_EQ(namesOf(model->filteredDocuments()), QStringList({"violet-chirp-7", "amber chirp"}));
    model->setSearchText(" chirp");
    EXPECT_EQ(namesOf(model->filteredDocuments()), QStringList({"amber chirp"}));
    model->setSearchText("åsa");
    EXPECT_EQ(namesOf(model->filteredDocuments()), QStringList({"ÅSA"}));
    model->setSearchText("blue");
    EXPECT_TRUE(model->filteredDocuments().isEmpty());
    model->setSearchText("");
    EXPECT_EQ(model->filteredDocuments().size(), 3);
}

TEST_F(Library, DuplicatesOnceAndNeverOverwrites) {
    const QString source =
        write(folder_, "violet-chirp-7.vostrel", documentNamed("violet-chirp-7", "https://x.se/"));
    const auto model = loadedModel();
    model->duplicateDocument(model->documents().first());
    ASSERT_TRUE(finishLoading(*model));

    const QString copy = folder_.filePath("violet-chirp-7 copy.vostrel");
    EXPECT_EQ(readBytes(copy), readBytes(source));
    // The copy follows its source.
    EXPECT_EQ(fileNamesOf(model->documents()),
              QStringList({"violet-chirp-7.vostrel", "violet-chirp-7 copy.vostrel"}));
    EXPECT_EQ(model->documents()[0].id, model->documents()[1].id);
    EXPECT_EQ(model->documents()[0].name, model->documents()[1].name);

    // The second copy would take the same name: nothing is written, the first copy stays.
    writeBytes(copy, readBytes(source) + "\n");
    model->duplicateDocument(model->documents().first());
    ASSERT_TRUE(finishLoading(*model));
    EXPECT_EQ(readBytes(copy), readBytes(source) + "\n");
    EXPECT_EQ(folder_.entryList(QDir::Files).size(), 2);
}

TEST_F(Library, DuplicateOfANameWithASlashStaysBesideItsSource) {
    write(folder_, "odd.vostrel", documentNamed("../escape", "https://example.com/"));
    const auto model = loadedModel();
    model->duplicateDocument(model->documents().first());
    ASSERT_TRUE(finishLoading(*model));
    EXPECT_TRUE(QFile::exists(folder_.filePath("..-escape copy.vostrel")));
    EXPECT_FALSE(QFile::exists(QDir(root_.path() + "/..").filePath("escape copy.vostrel")));
}

TEST_F(Library, DeletingOneOfTwoEntriesWithOneIdKeepsTheOther) {
    const DocumentSnapshot document = documentNamed("violet-chirp-7", "https://example.com/");
    const QString source = write(folder_, "chirp.vostrel", document);
    write(folder_, "violet-chirp-7 copy.vostrel", document);
    const auto model = loadedModel();
    ASSERT_EQ(model->documents().size(), 2);

    const LibraryItem copy = model->documents()[1];
    model->deleteDocument(copy);
    // At once, without a reload.
    EXPECT_FALSE(model->isLoading());
    EXPECT_EQ(fileNamesOf(model->documents()), QStringList({"chirp.vostrel"}));
    EXPECT_FALSE(QFile::exists(copy.url.toLocalFile()));
    EXPECT_TRUE(QFile::exists(source));
    const QString trash =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files";
    EXPECT_TRUE(QDir(trash).entryList().contains("violet-chirp-7 copy.vostrel"));
    EXPECT_FALSE(QDir("files").exists()) << "never into the working directory";
}

TEST_F(Library, ADocumentThatCannotReachTheTrashStaysWhereItIsAndListed) {
    const QString source =
        write(folder_, "chirp.vostrel", documentNamed("violet-chirp-7", "https://example.com/"));
    const auto model = loadedModel();
    // No trash can be made under a data folder that is a regular file.
    const QString dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(QFileInfo(dataFolder).path());
    writeBytes(dataFolder, "in the way");

    model->deleteDocument(model->documents().first());
    QFile::remove(dataFolder);
    EXPECT_TRUE(QFile::exists(source));
    EXPECT_EQ(model->documents().size(), 1);
    EXPECT_FALSE(QDir("files").exists() || QDir("info").exists())
        << "nothing left in the working directory";
}

TEST_F(Library, RemembersTheFolderAcrossRestarts) {
    write(folder_, "chirp.vostrel", documentNamed("violet-chirp-7", "https://example.com/"));
    loadedModel();

    LibraryViewModel restarted;
    ASSERT_TRUE(restarted.folderURL());
    EXPECT_EQ(restarted.folderURL()->toLocalFile(), folder_.absolutePath());
    restarted.loadDocuments();
    ASSERT_TRUE(finishLoading(restarted));
    EXPECT_EQ(namesOf(restarted.documents()), QStringList({"violet-chirp-7"}));

    // A folder that has gone leaves the library without one, but is still remembered.
    ASSERT_TRUE(root_.remove());
    LibraryViewModel withoutFolder;
    EXPECT_FALSE(withoutFolder.folderURL());
    EXPECT_EQ(QSettings().value(LibraryViewModel::folderSettingKey).toString(),
              folder_.absolutePath());
}

TEST_F(Library, OverlappingLoadsEndWithTheNewestFolder) {
    QTemporaryDir other;
    write(folder_, "first.vostrel", documentNamed("first", "https://example.com/1"));
    write(QDir(other.path()), "second.vostrel", documentNamed("second", "https://example.com/2"));
    LibraryViewModel model;
    model.useFolder(folder_.path());
    model.useFolder(other.path());
    ASSERT_TRUE(finishLoading(model));
    EXPECT_EQ(namesOf(model.documents()), QStringList({"second"}));

    // A folder that can no longer be listed keeps what is shown.
    ASSERT_TRUE(other.remove());
    model.loadDocuments();
    ASSERT_TRUE(finishLoading(model));
    EXPECT_EQ(namesOf(model.documents()), QStringList({"second"}));
}

}  // namespace
