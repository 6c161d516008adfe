// Options > Engines...: the chess engines found and added, each with the
// name and author it gives and whether it answered; a program added by path
// or taken off again. The list of added programs is kept per user.
#pragma once

#include <QDialog>
#include <functional>

class QPushButton;
class QTreeWidget;

namespace orbel {

class EngineList;

class EnginesDialog : public QDialog {
    Q_OBJECT
public:
    // The program the user picks to add (empty: none), and a box saying
    // why one could not be added.
    using ChooseProgram = std::function<QString(QWidget* owner)>;
    using Tell = std::function<void(const QString& why)>;
    EnginesDialog(EngineList& list, ChooseProgram chooseProgram, Tell tell, QWidget* owner);

    QTreeWidget* table() const { return table_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }

private:
    void refill();
    void addProgram();
    void removeProgram();
    void updateRemove();

    EngineList& list_;
    ChooseProgram chooseProgram_;
    Tell tell_;
    QTreeWidget* table_;
    QPushButton* add_;
    QPushButton* remove_;
};

}  // namespace orbel
