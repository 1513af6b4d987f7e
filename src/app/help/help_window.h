// The help window: shows the program's Japanese help topics, compiled into the resources, by
// contents or by context number, lists the topics and finds those that contain a word.
#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextBrowser;

class THelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit THelpWindow(QWidget* parent = nullptr);

    void ShowContents();
    // Shows the topic of a context number; a number without a topic shows the contents.
    void ShowTopic(int context);
    // The file names of all topics in the resources, the contents page included, sorted.
    static QStringList TopicFiles();

    void edtSearchChange();
    void lstFoundClick(QListWidgetItem* item);

  private:
    QPushButton* btnContents;
    QPushButton* btnBack;
    QPushButton* btnForward;
    QLineEdit* edtSearch;
    QListWidget* lstFound;  // titles of the topics that contain the searched word, or of all
    QTextBrowser* txtTopic;

    void Open(const QString& file);
};
