#include "programs/programcommands.h"

#include <QCoreApplication>

#include "base/modalui.h"
#include "base/text.h"
#include "programs/programs.h"
#include "programs/tlistaprogrammi.h"
#include "programs/tnewprogram.h"

namespace {
QString tr(const char* s) { return QCoreApplication::translate("ProgramCommands", s); }
QString editorTitle(int n) { return QCoreApplication::translate("ProgramCommands", "Modifica programma N. ") + QString::number(n); }
}  // namespace

ProgramCommands::ProgramCommands(Programs& programs, TNewProgram& editor, TListaProgrammi& list, ModalUi& ui)
    : programs_(programs), editor_(editor), list_(list), ui_(ui) {}

void ProgramCommands::Modifica1Click() {
  const QString savedTitle = editor_.windowTitle();
  programs_.RefreshProgramList();
  list_.clearChoice();
  if (ui_.exec(list_) == QDialog::Accepted && list_.chosenIndex() >= 0) {
    const QString code = list_.chosenCode();
    const auto n = text::strictInt(code.trimmed());
    if (!programs_.ShowProgramInEditor(code)) {
      // Deleted by another station since the list was read.
      ui_.message(Programs::notInArchiveMessage(code), ModalUi::Icon::Error);
      return;
    }
    // The title names the program by its code, whatever its place in the list.
    editor_.setWindowTitle(editorTitle(n.value_or(list_.chosenIndex() + 1)));
    editor_.setSaveAction([this] { return programs_.StoreProgram(programs_.editing.code); });
    if (ui_.exec(editor_) == QDialog::Accepted && editor_.saved() && n && *n == currentProgram() &&
        onCurrentProgramEdited)
      onCurrentProgramEdited(*n, programs_.editing);
    editor_.setSaveAction({});
  }
  editor_.setWindowTitle(savedTitle);
}

void ProgramCommands::Nuovo1Click() {
  programs_.RefreshProgramList();
  programs_.ClearEditor();
  // The new program goes under the number the title announces; when that code is taken
  // (a gap in the list), under the smallest free one. A stored program is never replaced.
  const QString code = programs_.freeCode(static_cast<int>(programs_.programList().size()) + 1);
  if (code.isEmpty()) {
    ui_.message(Programs::allCodesUsedMessage(), ModalUi::Icon::Error);
    return;
  }
  const QString savedTitle = editor_.windowTitle();
  editor_.setWindowTitle(editorTitle(code.toInt()));
  programs_.editing.code = code;
  editor_.showModel();
  // Another station may take the code while the operator types: the save then picks the
  // smallest free code and says so.
  editor_.setSaveAction([this] { return programs_.StoreProgram(programs_.editing.code, Programs::StoreMode::New); });
  ui_.exec(editor_);
  editor_.setSaveAction({});
  editor_.setWindowTitle(savedTitle);
}

void ProgramCommands::Cancella1Click(int currentProgram) {
  programs_.RefreshProgramList();
  const QString savedTitle = list_.windowTitle();
  list_.setWindowTitle(tr(" Cancella Programma "));
  list_.clearChoice();
  if (ui_.exec(list_) == QDialog::Accepted && list_.chosenIndex() >= 0) {
    const QString code = list_.chosenCode();
    const auto n = text::strictInt(code.trimmed());
    if (!n) {
      ui_.message(tr("'%1' non è un valore intero valido").arg(code), ModalUi::Icon::Error);
    } else if (*n == currentProgram) {
      ui_.message(tr("Il programma è quello corrente; non è possibile cancellarlo!"), ModalUi::Icon::Error);
    } else {
      programs_.DeleteProgram(code);
    }
  }
  list_.setWindowTitle(savedTitle);
}

void ProgramCommands::Controldbase1Click() { programs_.DeleteProgram(QStringLiteral("  ")); }
