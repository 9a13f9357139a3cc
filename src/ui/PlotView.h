#pragma once
// A picture that its owner paints: it takes the keyboard focus, so that a screen reader names it
// and reads its description (told again whenever either changes), and Ctrl+C asks its owner to
// copy what it shows.

#include <QWidget>
#include <functional>

namespace vantrel::ui {

class PlotView : public QWidget {
  Q_OBJECT

 public:
  using Painting = std::function<void(QPainter&, const QRectF&)>;

  explicit PlotView(QWidget* parent = nullptr);

  // Shows another picture, with its name and description.
  void showPicture(Painting painting, const QString& name, const QString& description);

  QSize sizeHint() const override;

 signals:
  void copyRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Painting painting_;
};

}  // namespace vantrel::ui
