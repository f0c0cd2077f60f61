#pragma once

#include "forms/default_race_form.h"
#include "ui/support/dlg_base.h"

// "Default Race Configuration": the settings that every new event starts from and that "Add All" gives
// each event it creates. OK stores them in the settings file at once.
class CDlgDefaultRace : public CDlgBase {
public:
    explicit CDlgDefaultRace(wxWindow* parent);

    void OnOK();

private:
    void OnInitDialog(wxInitDialogEvent& event) override;

    DefaultRaceForm m_form;
};
