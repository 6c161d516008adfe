#include "shell/engines_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "shell/engine_list.h"
#include "shell/settings.h"

namespace orbel {
namespace {

QString stateText(const EngineList::Entry& entry) {
    switch (entry.state) {
    case EngineList::Entry::State::Unasked:
    //: An engine's state: its name and author are being asked for.
    case EngineList::Entry::State::Asking: return QCoreApplication::translate("orbel::EnginesDialog", "Asking...");
    //: An engine's state: it answered and can play.
    case EngineList::Entry::State::Answered: return QCoreApplication::translate("orbel::EnginesDialog", "Ready");
    case EngineList::Entry::State::Failed: break;
    }
    return entry.failure;
}

}  // namespace

EnginesDialog::EnginesDialog(EngineList& list, ChooseProgram chooseProgram, Tell tell, QWidget* owner)
    : QDialog(owner), list_(list), chooseProgram_(std::move(chooseProgram)), tell_(std::move(tell)) {
    setWindowTitle(tr("Engines"));
    auto* intro = new QLabel(tr("Chess engines that speak UCI can be chosen in New Game Setup. "
                                "The first one gives the hints."),
                             this);
    intro->setWordWrap(true);
    table_ = new QTreeWidget(this);
    table_->setRootIsDecorated(false);
    table_->setHeaderLabels({tr("Engine"), tr("Author"), tr("State"), tr("Program")});
    table_->setAccessibleName(tr("Engines"));
    table_->setMinimumSize(600, 160);
    table_->header()->setStretchLastSection(true);
    intro->setBuddy(table_);
    add_ = new QPushButton(tr("&Add..."), this);
    remove_ = new QPushButton(tr("&Remove"), this);
    auto* close = new QPushButton(tr("Close"), this);
    close->setDefault(true);
    connect(add_, &QPushButton::clicked, this, &EnginesDialog::addProgram);
    connect(remove_, &QPushButton::clicked, this, &EnginesDialog::removeProgram);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(table_, &QTreeWidget::currentItemChanged, this, &EnginesDialog::updateRemove);
    connect(&list_, &EngineList::changed, this, &EnginesDialog::refill);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    refill();
    list_.identify();
    table_->setFocus();
}

void EnginesDialog::refill() {
    const int current = table_->currentIndex().row();
    table_->clear();
    for (const EngineList::Entry& entry : list_.entries()) {
        //: %1 is the path of an engine the system installed, not one the user added.
        const QString program = entry.added ? entry.program.path : tr("%1 (installed)").arg(entry.program.path);
        auto* row = new QTreeWidgetItem(table_, {entry.shownName(), entry.author, stateText(entry), program});
        row->setToolTip(2, row->text(2));
    }
    for (int column = 0; column < 3; ++column) table_->resizeColumnToContents(column);
    if (table_->topLevelItemCount() > 0)
        table_->setCurrentItem(table_->topLevelItem(std::clamp(current, 0, table_->topLevelItemCount() - 1)));
    if (table_->topLevelItemCount() == 0) {
        auto* none = new QTreeWidgetItem(table_, {tr("No engine found: install stockfish or add one.")});
        none->setFlags(Qt::NoItemFlags);
    }
    updateRemove();
}

void EnginesDialog::updateRemove() {
    const int row = table_->currentIndex().row();
    const auto& entries = list_.entries();
    remove_->setEnabled(row >= 0 && static_cast<std::size_t>(row) < entries.size() &&
                        entries[static_cast<std::size_t>(row)].added);
}

void EnginesDialog::addProgram() {
    const QString path = chooseProgram_(this);
    if (path.isEmpty()) return;
    if (const QString why = list_.add(path); !why.isEmpty()) {
        tell_(why);
        return;
    }
    writeEnginesSetting(engineSettingText(list_.addedPaths()));
    table_->setCurrentItem(table_->topLevelItem(table_->topLevelItemCount() - 1));
    list_.identify();
}

void EnginesDialog::removeProgram() {
    const int row = table_->currentIndex().row();
    if (row < 0) return;
    list_.remove(static_cast<std::size_t>(row));
    writeEnginesSetting(engineSettingText(list_.addedPaths()));
}

}  // namespace orbel
