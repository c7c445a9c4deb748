#include "ui/library/library_view.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "ui/library/document_thumbnail_view.h"
#include "ui/library/library_grid.h"
#include "ui/library/library_tile_model.h"
#include "ui/widgets/button_styles.h"
#include "ui/widgets/dialog_folder.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {
namespace {

constexpr int messageSymbolEdge = 80;
constexpr qreal title3Scale = 1.2;

QLabel* symbolLabel(const QString& symbolName, const QPalette& palette, qreal ratio) {
    auto* label = new QLabel;
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(symbolIcon(symbolName, tertiaryLabelColor(palette))
                         .pixmap(QSize(messageSymbolEdge, messageSymbolEdge), ratio));
    return label;
}

QLabel* textLabel(const QString& text, const QFont& font, QPalette::ColorRole role) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(font);
    label->setForegroundRole(role);
    return label;
}

// A page with its content centred in both directions; labels span the width, so their text
// wraps only when the window is narrow.
QWidget* centredPage(const QList<QWidget*>& content) {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(12);
    column->addStretch();
    for (QWidget* widget : content) {
        column->addWidget(widget, 0,
                          qobject_cast<QLabel*>(widget) ? Qt::Alignment() : Qt::AlignHCenter);
    }
    column->addStretch();
    return page;
}

}  // namespace

LibraryView::LibraryView(LibraryViewModel* model, QWidget* parent)
    : QMainWindow(parent),
      model_(model),
      tiles_(new LibraryTileModel(this)),
      grid_(new LibraryGrid),
      tileView_(new DocumentThumbnailView(grid_)),
      pages_(new QStackedWidget) {
    model_->setParent(this);
    setWindowTitle(tr("Library"));
    grid_->setModel(tiles_);
    grid_->setItemDelegate(tileView_);
    grid_->setAccessibleName(tr("Documents"));
    pages_->addWidget(buildNoFolderPage());
    pages_->addWidget(buildNoDocumentsPage());
    pages_->addWidget(grid_);
    setCentralWidget(pages_);
    buildToolbar();

    model_->setFolderPicker([this](auto chosen) { pickFolder(std::move(chosen)); });
    connect(model_, &LibraryViewModel::documentsChanged, this, &LibraryView::showTiles);
    connect(model_, &LibraryViewModel::searchTextChanged, this, &LibraryView::showTiles);
    connect(model_, &LibraryViewModel::folderURLChanged, this, &LibraryView::showState);
    connect(model_, &LibraryViewModel::loadingChanged, this, &LibraryView::showState);
    connect(model_, &LibraryViewModel::loadingChanged, this, &LibraryView::showLoading);
    connect(grid_, &QAbstractItemView::activated, this, &LibraryView::open);
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        const QModelIndex index = grid_->indexAt(position);
        if (index.isValid()) makeTileMenu(index)->popup(grid_->viewport()->mapToGlobal(position));
    });
    showTiles();
}

void LibraryView::buildToolbar() {
    QToolBar* toolbar = addToolBar(tr("Library"));
    toolbar->setObjectName(QStringLiteral("libraryToolbar"));
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    chooseFolder_ = toolbar->addAction(symbolIcon(QStringLiteral("folder")), tr("Choose Folder"));
    connect(chooseFolder_, &QAction::triggered, model_, &LibraryViewModel::chooseFolder);
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar->addWidget(spacer);
    addLoadingIndicator(toolbar);
    auto* gap = new QWidget;
    gap->setFixedWidth(8);
    toolbar->addWidget(gap);
    search_ = new QLineEdit;
    search_->setPlaceholderText(tr("Search documents"));
    search_->setAccessibleName(tr("Search documents"));
    search_->setClearButtonEnabled(true);
    search_->setFixedWidth(240);
    connect(search_, &QLineEdit::textChanged, model_, &LibraryViewModel::setSearchText);
    toolbar->addWidget(search_);
}

void LibraryView::addLoadingIndicator(QToolBar* toolbar) {
    auto* busy = new QProgressBar;
    busy->setRange(0, 0);
    busy->setTextVisible(false);
    busy->setFixedSize(72, 8);
    busy->setAccessibleName(tr("Reading documents"));
    loadingIndicator_ = toolbar->addWidget(busy);
    loadingIndicator_->setVisible(false);
    // Only a load long enough to notice shows it; a quick one would only make it flicker.
    loadingDelay_.setSingleShot(true);
    loadingDelay_.setInterval(300);
    connect(&loadingDelay_, &QTimer::timeout, loadingIndicator_,
            [this] { loadingIndicator_->setVisible(model_->isLoading()); });
}

QWidget* LibraryView::buildNoFolderPage() {
    auto* choose = new QPushButton(tr("Choose Folder"));
    makeProminent(choose, QStringLiteral("folder"));
    connect(choose, &QPushButton::clicked, model_, &LibraryViewModel::chooseFolder);
    return centredPage({symbolLabel(QStringLiteral("folder"), palette(), devicePixelRatioF()),
                        textLabel(tr("Choose a folder to view your documents"),
                                  scaledFont(font(), title3Scale), QPalette::PlaceholderText),
                        choose});
}

QWidget* LibraryView::buildNoDocumentsPage() {
    auto* caption = textLabel(tr("Create a new document or choose a different folder."),
                              scaledFont(font(), captionScale), QPalette::PlaceholderText);
    QPalette dimmed = caption->palette();
    dimmed.setColor(QPalette::PlaceholderText, tertiaryLabelColor(dimmed));
    caption->setPalette(dimmed);
    return centredPage(
        {symbolLabel(QStringLiteral("square.grid.2x2"), palette(), devicePixelRatioF()),
         textLabel(tr("No documents found"), scaledFont(font(), title3Scale),
                   QPalette::PlaceholderText),
         caption});
}

LibraryView::State LibraryView::state() const {
    if (!model_->folderURL()) return State::noFolder;
    // While a load runs the grid stays up, empty or with the previous list, until it publishes.
    if (model_->documents().isEmpty() && !model_->isLoading()) return State::noDocuments;
    return State::grid;
}

void LibraryView::showState() {
    pages_->setCurrentIndex(int(state()));
}

void LibraryView::showLoading() {
    if (model_->isLoading()) {
        loadingDelay_.start();
    } else {
        loadingDelay_.stop();
        loadingIndicator_->setVisible(false);
    }
}

void LibraryView::showTiles() {
    tiles_->setItems(model_->filteredDocuments());
    showState();
}

void LibraryView::open(const QModelIndex& index) {
    if (index.isValid())
        Q_EMIT openRequested(index.data(LibraryTileModel::fileRole).toUrl().toLocalFile());
}

QMenu* LibraryView::makeTileMenu(const QModelIndex& index) {
    const LibraryViewModel::LibraryItem item = tiles_->item(index.row());
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu->addAction(tr("Duplicate")), &QAction::triggered, model_,
            [this, item] { model_->duplicateDocument(item); });
    menu->addSeparator();
    // Drawn in the destructive colour: it asks no confirmation.
    QAction* remove = menu->addAction(
        symbolIcon(QStringLiteral("trash"), destructiveColor(palette())), tr("Delete"));
    connect(remove, &QAction::triggered, model_, [this, item] { model_->deleteDocument(item); });
    return menu;
}

void LibraryView::pickFolder(std::function<void(const QString&)> chosen) {
    const auto& folder = model_->folderURL();
    QFileDialog* dialog = makeFolderDialog(
        this, tr("Choose Folder"),
        folder ? folder->toLocalFile() : dialogStartFolder(QStandardPaths::DocumentsLocation));
    connect(dialog, &QFileDialog::fileSelected, this, std::move(chosen));
    dialog->open();
}

void LibraryView::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) model_->loadDocuments();
}

}  // namespace vostrel
