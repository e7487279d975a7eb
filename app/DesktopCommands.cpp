// The File and Help menu commands that talk to the desktop.

#include "MainForm.h"

#include <QAction>

namespace verbalia {

// A checkable entry has already changed its check mark when it reports the
// choice; these handlers set the mark themselves (and keep it when the
// command fails), so it is put back first.
void TMainForm1::connectDesktopCommands()
{
    const auto command = [this](QAction* entry, void (TMainForm1::*handler)()) {
        connect(entry, &QAction::triggered, this, [this, entry, handler](bool checked) {
            if (entry->isCheckable()) entry->setChecked(!checked);
            (this->*handler)();
        });
    };
    command(Always_On_Top_Option, &TMainForm1::Always_On_Top_OptionClick);
    command(Auto_Run_at_Windows_Startup_Option, &TMainForm1::Auto_Run_at_Windows_Startup_OptionClick);
    command(Restore_Factory_Defaults_Option, &TMainForm1::Restore_Factory_Defaults_OptionClick);
    command(View_Readme_file_Option, &TMainForm1::View_Readme_file_OptionClick);
    command(View_Shareware_Catalog_Option, &TMainForm1::View_Shareware_Catalog_OptionClick);
}

// The window keeps its place, size and activation.
void TMainForm1::Toggle_Always_On_Top()
{
    const bool above = !Always_On_Top_Option->isChecked();
    Always_On_Top_Option->setChecked(above);
    m_services.windowManager.setKeepAbove(above);
}

void TMainForm1::Always_On_Top_OptionClick() { Toggle_Always_On_Top(); }

void TMainForm1::Auto_Run_at_Windows_Startup_OptionClick()
{
    QAction* entry = Auto_Run_at_Windows_Startup_Option;
    if (entry->isChecked()) {
        if (m_desktop.Disable_Auto_Run()) entry->setChecked(false);
    } else if (m_desktop.Enable_Auto_Run()) {
        entry->setChecked(true);
    }
}

void TMainForm1::Restore_Factory_Defaults_OptionClick() { Restore_Factory_Defaults(); }

// Only No stops. A settings file that another program holds stays, and the
// start-up sequence then reads it again.
void TMainForm1::Restore_Factory_Defaults()
{
    if (m_services.messages.ask(MessageKind::Warning, factoryDefaultsQuestion()) == Answer::No) return;
    m_desktop.Delete_File_Safely(settingsPath());
    showNormal();
    FormShow();
}

void TMainForm1::View_Readme_file_OptionClick() { m_desktop.View_Readme(); }

void TMainForm1::View_Shareware_Catalog_OptionClick() { m_desktop.View_Catalog(); }

} // namespace verbalia
