// The label window frmMoji ("文字の入力"): prepares the queue of text labels, each with its font
// size, that the label tool then places on the plane one click at a time.
#pragma once

#include <QDialog>

#include "label_queue.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;

class TfrmMoji : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmMoji(QWidget* parent = nullptr);

    // The labels queued when OK was pressed, the first one to be placed next.
    LabelQueue queue() const;

    // Offers the size used last time and starts with an empty queue.
    void FormShow();
    void PickListClick(QListWidgetItem* item);
    void spnFontSizeChange(int size);
    void btnAddMojiClick();
    void btnClearClick();
    void BitBtn3Click();
    void BitBtn4Click();

    // Placed before every showing, at the top left of the free area.
    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* Label1;
    QLabel* Label2;
    QListWidget* lstChar;
    QListWidget* lstAlpha;
    QListWidget* lstNumber;
    QLineEdit* edtInput;
    QSpinBox* spnFontSize;
    QPushButton* btnAddMoji;
    QListWidget* lstMoji;
    QListWidget* stlFSize;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QPushButton* btnClear;
};
