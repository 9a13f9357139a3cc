#include "ui/TableList.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

namespace vantrel::ui {

// The lines as the view asks for them: only those on show are made into text.
class TableLinesModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void show(TableLines* lines, const QString& unitHeading) {
    beginResetModel();
    lines_ = lines;
    unitHeading_ = unitHeading;
    endResetModel();
  }
  void filter(const QString& words) {
    beginResetModel();
    if (lines_) lines_->filter(words);
    endResetModel();
  }
  bool choosable(int line) const { return lines_ && line >= 0 && lines_->choosable(line); }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() || !lines_ ? 0 : lines_->count();
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : 3;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!lines_ || !index.isValid()) return {};
    if (role == Qt::DisplayRole) return lines_->cell(index.row(), index.column());
    if (role == Qt::AccessibleTextRole) return wholeLine(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == 1)
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section == 1) return unitHeading_;
    return section == 0 ? QStringLiteral("Entry") : QStringLiteral("Source");
  }

  // What a screen reader says of a line: the entry, the value and the source in one.
  QString wholeLine(int line) const {
    QStringList cells;
    for (int c = 0; c < 3; ++c) {
      const QString cell = lines_->cell(line, c);
      if (!cell.isEmpty()) cells << cell;
    }
    return cells.join(QStringLiteral(", "));
  }

 private:
  TableLines* lines_ = nullptr;
  QString unitHeading_;
};

TableList::TableList(QWidget* parent)
    : QFrame(parent, Qt::Popup),
      title_(new QLabel(this)),
      search_(new QLineEdit(this)),
      view_(new QTreeView(this)),
      notes_(new QLabel(this)),
      model_(new TableLinesModel(this)) {
  setFrameShape(QFrame::Box);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(3);
  layout->addWidget(title_);
  layout->addWidget(search_);
  layout->addWidget(view_);
  layout->addWidget(notes_);
  search_->setAccessibleName(QStringLiteral("Search words"));
  search_->setPlaceholderText(
      QStringLiteral("Type the starts of words: 6 40, pe 110 sdr11, globe"));
  // The lines keep the focus; typing reaches the search words through them.
  search_->setFocusPolicy(Qt::NoFocus);
  title_->setWordWrap(true);
  notes_->setWordWrap(true);
  notes_->setAccessibleName(QStringLiteral("Rows that could not be read"));
  view_->setModel(model_);
  view_->setRootIsDecorated(false);
  view_->setUniformRowHeights(true);
  view_->setAllColumnsShowFocus(true);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->header()->setStretchLastSection(true);
  view_->installEventFilter(this);
  connect(search_, &QLineEdit::textChanged, this, &TableList::refilter);
  connect(view_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
    if (model_->choosable(index.row())) choose(index.row());
  });
}

TableList::~TableList() = default;

void TableList::open(const QString& name, const QString& unitHeading, const QString& notes,
                     TableLines& lines, const QRect& besideGlobal) {
  chosen_ = -1;
  title_->setText(name);
  setAccessibleName(name);
  view_->setAccessibleName(name);
  notes_->setText(notes);
  notes_->setVisible(!notes.isEmpty());
  model_->show(&lines, unitHeading);
  search_->blockSignals(true);
  search_->clear();
  search_->blockSignals(false);
  refilter();
  placeBeside(besideGlobal);
  show();
  view_->setFocus(Qt::PopupFocusReason);
}

void TableList::placeBeside(const QRect& row) {
  const QFontMetrics metrics(font());
  const int width = metrics.averageCharWidth() * 110;
  const int height = metrics.height() * 22;
  view_->setColumnWidth(0, width * 48 / 100);
  view_->setColumnWidth(1, width * 14 / 100);
  QRect place(row.right() + 4, row.top(), width, height);
  if (const QScreen* screen = QGuiApplication::screenAt(row.center())) {
    const QRect free = screen->availableGeometry();
    // Beside the row while the screen has room, else below it, and never off the screen.
    if (place.right() > free.right()) place.moveTopLeft(QPoint(row.left(), row.bottom() + 2));
    place.moveRight(std::min(place.right(), free.right()));
    place.moveBottom(std::min(place.bottom(), free.bottom()));
    place.moveLeft(std::max(place.left(), free.left()));
    place.moveTop(std::max(place.top(), free.top()));
  }
  setGeometry(place);
}

void TableList::refilter() {
  model_->filter(search_->text());
  if (model_->rowCount() > 0) view_->setCurrentIndex(model_->index(0, 0));
}

void TableList::choose(int line) {
  chosen_ = line;
  hide();
}

bool TableList::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_ || event->type() != QEvent::KeyPress)
    return QFrame::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      hide();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (model_->choosable(view_->currentIndex().row())) choose(view_->currentIndex().row());
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return false;  // the list's own
    default:
      // Typing, deleting and moving in the words are the search box's.
      QApplication::sendEvent(search_, key);
      return true;
  }
}

void TableList::hideEvent(QHideEvent* event) {
  QFrame::hideEvent(event);
  const int chosen = chosen_;
  chosen_ = -1;
  model_->show(nullptr, QString());
  emit closed(chosen);
}

}  // namespace vantrel::ui
