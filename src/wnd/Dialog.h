#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "wnd/DialogTemplate.h"
#include "wnd/DialogUnits.h"
#include "wnd/Wnd.h"

namespace lumora {

// A dialog built from a template: its controls are created in template order, each as the
// object bound to its id (BindControl, usually in DoDataExchange) or as a framework control.
// Modal (DoModal runs a nested loop until EndDialog) or modeless (Create). Its keyboard
// interface: Enter is the default button (IDOK), Escape is IDCANCEL, Tab moves the focus.
class Dialog : public Wnd {
public:
    // The template is kept by reference: the program's templates live as long as the process.
    explicit Dialog(const DialogTemplate& dialogTemplate);
    explicit Dialog(const DialogTemplate&&) = delete;
    ~Dialog() override;

    // A template with WS_CHILD makes a child of `parent`; any other a top-level window owned
    // by `parent`. The window shows at the end when the template has WS_VISIBLE.
    bool Create(Wnd* parent);
    int DoModal(Wnd* owner = nullptr);
    // Ends a modal dialog's loop with `result` (the window hides at once and is destroyed
    // when DoModal returns); a modeless dialog only hides.
    void EndDialog(int result);
    bool IsModal() const { return m_modal; }

    const DialogTemplate& Template() const { return m_template; }
    DialogUnits Units() const { return DialogUnits(m_template.pointSize); }

    // The window of control `id` is created on `control` instead of a framework control.
    void BindControl(int id, Wnd& control);

    // The dialog keyboard interface for a queued key message to this dialog or a window in it.
    bool IsDialogMessage(Msg& msg);
    bool PreTranslateMessage(Msg& msg) override;

    void CheckDlgButton(int id, int check);
    int IsDlgButtonChecked(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;

protected:
    // Binds controls before they are created.
    virtual void DoDataExchange() {}
    // After the controls exist; answer true to put the focus on the first tab stop.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    bool OnCommand(UINT id, UINT code, Wnd* control) override;
    bool OnEraseBkgnd(DC& dc) override;
    void OnClose() override;

private:
    std::unique_ptr<Wnd> MakeControl(const DialogItem& item) const;
    void CreateControls();
    Wnd* NextTabStop(Wnd* from, bool backwards) const;

    const DialogTemplate& m_template;
    std::map<int, Wnd*> m_bound;
    std::vector<std::unique_ptr<Wnd>> m_ownControls;
    bool m_modal = false;
    bool m_ended = false;
    int m_result = IDCANCEL;
};

}  // namespace lumora
