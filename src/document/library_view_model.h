#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QUrl>
#include <QUuid>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace vostrel {

// The documents of one folder for the library window: every file named "*.vostrel" that reads
// as a document, with its stored id and name and a small picture of its symbol. The folder is
// remembered across runs. Lives on the main thread; files are read and thumbnails drawn off it,
// and each load publishes its whole list in one assignment.
class LibraryViewModel : public QObject {
    Q_OBJECT

  public:
    struct LibraryItem {
        QUuid id;          // as stored in the file; a duplicate keeps its source's id
        QString name;      // as stored in the file, not the file name
        QUrl url;          // the file: what tells two entries apart
        QImage thumbnail;  // thumbnailEdge pixels square; null when no symbol can be made

        bool operator==(const LibraryItem&) const = default;
    };

    // The application setting holding the library folder's absolute path.
    static constexpr const char* folderSettingKey = "libraryFolderBookmark";
    static constexpr int thumbnailEdge = 120;

    // Shows a folder chooser without blocking and calls `chosen` with the folder picked; never
    // calls it when the user cancels.
    using FolderPicker = std::function<void(std::function<void(const QString& folder)> chosen)>;

    // Restores the remembered folder; a folder that no longer exists leaves the library without
    // one (the setting is kept, so it returns when the folder does).
    explicit LibraryViewModel(QObject* parent = nullptr);
    ~LibraryViewModel() override;

    const QList<LibraryItem>& documents() const { return documents_; }
    const QString& searchText() const { return searchText_; }
    void setSearchText(const QString& text);
    const std::optional<QUrl>& folderURL() const { return folderURL_; }
    // True from the start of a load until the newest one has published.
    bool isLoading() const { return loading_; }

    // The documents whose name contains the search text, ignoring case by the user's locale, in
    // list order; all of them while the search text is empty.
    QList<LibraryItem> filteredDocuments() const;

    void setFolderPicker(FolderPicker picker) { folderPicker_ = std::move(picker); }
    // Asks the folder picker for a folder; a choice is used as by useFolder.
    void chooseFolder();
    // Makes `folder` the library folder, remembers it and loads it.
    void useFolder(const QString& folder);
    // Reads the folder again off the main thread. When loads overlap, only the newest publishes;
    // a folder that cannot be listed keeps the current list.
    void loadDocuments();
    // Copies the file byte for byte to "<name> copy.vostrel" beside it (a "/" in the name becomes
    // "-"), never replacing an existing file, then reloads.
    void duplicateDocument(const LibraryItem& item);
    // Moves the item's file to the desktop's trash and removes its entry (only that file's, even
    // when another entry shares its id) without reloading. When the file cannot be trashed, its
    // entry stays.
    void deleteDocument(const LibraryItem& item);

  Q_SIGNALS:
    void documentsChanged();
    void searchTextChanged();
    void folderURLChanged();
    void loadingChanged();

  private:
    // Publishes the newest load's list (nothing when the folder could not be listed).
    void finishLoad(std::optional<QList<LibraryItem>> items);
    void setDocuments(QList<LibraryItem> documents);
    void setLoading(bool loading);
    void setFolder(const QString& folder);
    // Tells the running load, if any, to stop at its next file; it will not publish.
    void stopLoading();

    QList<LibraryItem> documents_;
    QString searchText_;
    std::optional<QUrl> folderURL_;
    FolderPicker folderPicker_;
    // Loads run one at a time on a thread of the model's own, not on the global pool that other
    // work briefly waits for; a superseded load stops at its next file.
    QThreadPool loadExecutor_;
    quint64 latestLoad_ = 0;
    std::shared_ptr<std::atomic_bool> cancelCurrentLoad_;
    // Files trashed since the newest load started, which it may have listed before they went.
    QList<QUrl> trashedDuringLoad_;
    bool loading_ = false;
};

}  // namespace vostrel
