#pragma once

#include <QWidget>
#include <cstdint>

namespace kinloom::ui {

// A small sample of one colour; clicking it asks for another.
class ColourSwatch : public QWidget {
  Q_OBJECT

 public:
  explicit ColourSwatch(QWidget* parent = nullptr);

  void SetColour(uint32_t rgb);
  uint32_t colour() const { return rgb_; }

  QSize sizeHint() const override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  uint32_t rgb_ = 0;
};

}  // namespace kinloom::ui
