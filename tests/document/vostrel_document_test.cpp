#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>

#include "document/vostrel_document.h"

using namespace vostrel;

namespace {

QRContent address(const QString& url) {
    return QRContent::url({url});
}

LogoOverlay logoWithBytes(const char* bytes) {
    LogoOverlay logo;
    logo.imageData = bytes;
    return logo;
}

}  // namespace

TEST(VostrelDocument, SettersNotifyOnlyWhenTheValueChanges) {
    VostrelDocument document;
    QSignalSpy names(&document, &VostrelDocument::nameChanged);
    QSignalSpy styles(&document, &VostrelDocument::styleChanged);
    QSignalSpy contents(&document, &VostrelDocument::contentChanged);

    document.setName(document.name());
    document.setName("renamed");
    document.setStyle(QRStyle{});
    QRStyle dots;
    dots.moduleShape = ModuleShape::dot;
    document.setStyle(dots);
    document.setContent(address(""));
    document.setContent(address("https://a.example"));

    EXPECT_EQ(names.count(), 1);
    EXPECT_EQ(styles.count(), 1);
    EXPECT_EQ(contents.count(), 1);
}

TEST(VostrelDocument, WithoutAStackSwitchesKeepWhatWasTypedInEachKind) {
    VostrelDocument document;
    document.setContent(address("https://a.example"));
    document.switchContentType(ContentType::text, nullptr);
    EXPECT_EQ(document.content(), QRContent::text(""));
    document.setContent(QRContent::text("hello"));

    document.switchContentType(ContentType::url, nullptr);
    EXPECT_EQ(document.content(), address("https://a.example"));
    document.switchContentType(ContentType::wifi, nullptr);
    EXPECT_EQ(document.content(), emptyContent(ContentType::wifi));
    document.switchContentType(ContentType::text, nullptr);
    EXPECT_EQ(document.content(), QRContent::text("hello"));
    EXPECT_EQ(document.contentTypeCache().size(), 3);

    document.setLogoOverlay(logoWithBytes("x"), nullptr);
    EXPECT_EQ(document.style().logoOverlay, logoWithBytes("x"));
}

TEST(VostrelDocument, UndoAndRedoOfASwitchBringBackTheContentOfEachKind) {
    VostrelDocument document;
    QUndoStack stack;
    document.setContent(address("https://a.example"));
    QSignalSpy contents(&document, &VostrelDocument::contentChanged);

    document.switchContentType(ContentType::text, &stack);
    EXPECT_EQ(contents.count(), 1) << "pushing applies the switch once";
    EXPECT_EQ(document.content(), QRContent::text(""));
    ASSERT_EQ(stack.count(), 1);
    document.setContent(QRContent::text("typed before undo"));

    stack.undo();
    EXPECT_EQ(document.content(), address("https://a.example"));
    stack.redo();
    EXPECT_EQ(document.content(), QRContent::text("typed before undo"));
    stack.undo();
    EXPECT_EQ(document.content(), address("https://a.example"));

    contents.clear();
    document.switchContentType(ContentType::url, &stack);
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.index(), 0) << "the kind already shown leaves the stack alone";
    EXPECT_EQ(contents.count(), 0);

    document.switchContentType(ContentType::swish, &stack);
    EXPECT_EQ(stack.count(), 1) << "a new switch replaces the undone one";
    EXPECT_EQ(stack.undoText(), "Switch to Swish");
}

TEST(VostrelDocument, LogoChangesAreNamedUndoableStepsOfTheStyleAlone) {
    VostrelDocument document;
    QUndoStack stack;
    const LogoOverlay first = logoWithBytes("first");
    const LogoOverlay second = logoWithBytes("second");

    document.setLogoOverlay(first, &stack);
    EXPECT_EQ(document.style().logoOverlay, first);
    document.setLogoOverlay(logoWithBytes("first"), &stack);
    EXPECT_EQ(stack.count(), 1) << "an identical logo is no change";
    document.setLogoOverlay(second, &stack);
    document.setLogoOverlay(std::nullopt, &stack);
    document.setLogoOverlay(std::nullopt, &stack);
    EXPECT_EQ(stack.count(), 3) << "no logo twice is one step";

    // Other style edits are plain assignments and survive undoing the logo.
    QRStyle wider = document.style();
    wider.quietZoneModules = 6;
    document.setStyle(wider);
    stack.undo();
    EXPECT_EQ(document.style().logoOverlay, second);
    stack.undo();
    EXPECT_EQ(document.style().logoOverlay, first);
    stack.undo();
    EXPECT_EQ(document.style().logoOverlay, std::nullopt);
    EXPECT_EQ(document.style().quietZoneModules, 6);
    stack.redo();
    EXPECT_EQ(document.style().logoOverlay, first);
}

TEST(VostrelDocument, StepsLeftOnAStackAfterTheDocumentIsGoneDoNothing) {
    QUndoStack stack;
    auto document = std::make_unique<VostrelDocument>();
    document->switchContentType(ContentType::text, &stack);
    document->setLogoOverlay(logoWithBytes("x"), &stack);
    document.reset();
    stack.undo();
    stack.undo();
    stack.redo();
    EXPECT_EQ(stack.index(), 1);
}

TEST(VostrelDocument, SavedDocumentsReopenWithTheirFieldsAndAnEmptyCache) {
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.vostrel");
    VostrelDocument document;
    document.setContent(address("https://a.example"));
    document.switchContentType(ContentType::location, nullptr);
    document.setContent(QRContent::location({59.3293, 18.0686}));
    document.setLogoOverlay(logoWithBytes("png"), nullptr);
    document.setExportSettings({CorrectionLevel::q, 512, ExportFormat::svg});
    ASSERT_TRUE(document.save(path));

    auto reopened = VostrelDocument::open(path);
    ASSERT_TRUE(reopened) << reopened.error().message.toStdString();
    VostrelDocument& copy = **reopened;
    EXPECT_EQ(copy.snapshot(), document.snapshot());
    EXPECT_TRUE(copy.contentTypeCache().isEmpty());
    copy.switchContentType(ContentType::url, nullptr);
    EXPECT_EQ(copy.content(), address(""));
}

TEST(VostrelDocument, OpeningSaysWhyAFileCannotBeADocument) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.vostrel");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString link = dir.filePath("folder.vostrel");
    ASSERT_TRUE(QFile::link(dir.path(), link));
    // Reading a pipe would wait forever for a writer.
    for (const QString& path : {dir.path(), fifo, link, QStringLiteral("/dev/null")}) {
        const auto opened = VostrelDocument::open(path);
        ASSERT_FALSE(opened) << path.toStdString();
        EXPECT_EQ(opened.error().kind, DocumentError::Kind::corruptFile) << path.toStdString();
    }
    EXPECT_EQ(VostrelDocument::open(dir.filePath("absent")).error().kind,
              DocumentError::Kind::unreadable);
    QFile broken(dir.filePath("Broken.vostrel"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"content\": {\"text\": {\"_0\": \"half\"}}}");
    broken.close();
    EXPECT_EQ(VostrelDocument::open(broken.fileName()).error().kind,
              DocumentError::Kind::decodingFailed);
}
