// The toolkit's modal windows under Windows: message boxes, modal forms with native
// controls, the colour and file dialogs, each driven from a thread timer inside its loop.

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/LabeledEdit.h"
#include "ui/Platform.h"
#include "ui/SpinEdit.h"
#include "ui/win32/ModalDialog.h"
#include "win32/Harness.h"
#include "win32/ToolkitDriver.h"

namespace {

using namespace ix;

// Dismisses the first visible message box with a button id.
bool PressMessageBox(int button) {
  HWND box = ixwin::FindThreadWindow(L"#32770");
  if (!box) return false;
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  return true;
}

// A parameter form in the manner of the editors' forms: an edit with its label, a
// spin edit, a drop-down list, OK and Cancel.
struct ParameterForm {
  ui::Form form{"FormOne", "TFormOne"};
  ui::LabeledEdit* edit = nullptr;
  ui::SpinEdit* spin = nullptr;
  ui::ComboBox* combo = nullptr;
  int comboChanges = 0;

  ParameterForm() {
    form.SetBorder(ui::BorderStyle::Dialog);
    form.SetPlacement(ui::FormPosition::ScreenCenter);
    form.SetClientSize({300, 200});
    form.SetCaption("ixCanvasCreate");
    edit = &form.Add<ui::LabeledEdit>("LEdit1");
    edit->SetBounds(10, 30, 200, 23);
    edit->SetLabelCaption("\xC8\xEC\xFF");  // "Имя"
    edit->SetText("Rectangle1");
    edit->SetFont({"Arial", 13, gfx::colors::Black, ui::FontRegular});
    spin = &form.Add<ui::SpinEdit>("SpinEdit1");
    spin->SetBounds(10, 70, 101, 22);
    spin->SetRange(1, 99);
    spin->SetValue(2);
    combo = &form.Add<ui::ComboBox>("ComboBox1");
    combo->SetBounds(130, 70, 142, 21);
    combo->SetItems({"true", "false"});
    combo->SetItemIndex(0);
    combo->onChange = [this](ui::Control&) { ++comboChanges; };
    auto& ok = form.Add<ui::Button>("ButtonOK50");
    ok.SetCaption("OK");
    ok.SetBounds(130, 160, 75, 25);
    ok.SetDefault(true);
    ok.SetModalResultValue(ui::ModalResult::Ok);
    auto& cancel = form.Add<ui::Button>("ButtonCancel50");
    cancel.SetCaption("Cancel");
    cancel.SetBounds(215, 160, 75, 25);
    cancel.SetDefault(true);
    cancel.SetModalResultValue(ui::ModalResult::Cancel);
  }
};

// The native control of a model control: same class, at the same place in the dialog.
HWND NativeAt(HWND dialog, const wchar_t* className, const ui::Control& c) {
  for (HWND h : ixwin::ChildrenOfClass(dialog, className)) {
    const RECT r = ixwin::ChildRect(h);
    if (r.left == c.RootOffset().x && r.top == c.RootOffset().y) return h;
  }
  return nullptr;
}

HWND ButtonCaptioned(HWND dialog, const wchar_t* caption) {
  for (HWND h : ixwin::ChildrenOfClass(dialog, L"Button")) {
    wchar_t text[64] = {};
    GetWindowTextW(h, text, 64);
    if (std::wstring(text) == caption) return h;
  }
  return nullptr;
}

// A native control by the component name it carries in the "ixName" property.
HWND Named(HWND dialog, const wchar_t* name) {
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(c, L"ixName")));
    wchar_t text[64] = {};
    if (atom && GlobalGetAtomNameW(atom, text, 64) && std::wstring(text) == name) return c;
  }
  return nullptr;
}

// A file dialog driver step: types the name and confirms.
std::function<bool()> TypeFileName(const std::wstring& name) {
  return [name] {
    HWND dialog = ixwin::FindThreadWindow(L"#32770");
    if (!dialog) return false;
    SetDlgItemTextW(dialog, 1148, name.c_str());
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return true;
  };
}

std::wstring TextOf(HWND h) {
  wchar_t text[256] = {};
  GetWindowTextW(h, text, 256);
  return text;
}

}  // namespace

IX_CASE(ToolkitMessageBoxAnswersOkAndCancel) {
  ixwin::HostPage page(50, 50);
  ui::MessageBoxRequest request;
  request.text = "\xD1\xEF\xE8\xF1\xEE\xEA";  // "Список"
  request.caption = "ixCanvas";
  request.buttons = ui::MessageBoxButtons::OkCancel;
  std::wstring seenText;
  HWND seenOwner = nullptr;
  {
    ixwin::TimerDriver driver([&] {
      HWND box = ixwin::FindThreadWindow(L"#32770");
      if (!box) return false;
      seenOwner = GetWindow(box, GW_OWNER);
      for (HWND c : ixwin::ChildrenOfClass(box, L"Static"))
        if (!TextOf(c).empty()) seenText = TextOf(c);
      return PressMessageBox(IDOK);
    });
    IX_CHECK(ui::ThePlatform().ShowMessageBox(request) == ui::MessageBoxAnswer::Ok);
  }
  IX_CHECK(seenText == L"\u0421\u043F\u0438\u0441\u043E\u043A");
  IX_CHECK(seenOwner == page.page());
  {
    ixwin::TimerDriver driver([] { return PressMessageBox(IDCANCEL); });
    IX_CHECK(ui::ThePlatform().ShowMessageBox(request) == ui::MessageBoxAnswer::Cancel);
  }
  request.buttons = ui::MessageBoxButtons::YesNo;
  {
    ixwin::TimerDriver driver([] { return PressMessageBox(IDNO); });
    IX_CHECK(ui::ThePlatform().ShowMessageBox(request) == ui::MessageBoxAnswer::No);
  }
}

IX_CASE(ToolkitModalFormDrivenToOkReadsTheFieldsBack) {
  ixwin::HostPage page(50, 50);
  ParameterForm f;
  bool ownerDisabled = false, ownedByPage = false, sawNatives = false;
  std::wstring shownText;
  ixwin::TimerDriver driver([&] {
    HWND dialog = ixwin::FindThreadWindow(ui::win32::ModalDialogClassName());
    if (!dialog) return false;
    ownerDisabled = !IsWindowEnabled(page.page());
    ownedByPage = GetWindow(dialog, GW_OWNER) == page.page();
    HWND edit = NativeAt(dialog, L"Edit", *f.edit);
    HWND spin = NativeAt(dialog, L"Edit", *f.spin);
    HWND combo = NativeAt(dialog, L"ComboBox", *f.combo);
    HWND ok = ButtonCaptioned(dialog, L"OK");
    sawNatives = edit && spin && combo && ok && !ixwin::ChildrenOfClass(dialog, UPDOWN_CLASSW).empty();
    if (!sawNatives) {
      PostMessageW(dialog, WM_CLOSE, 0, 0);
      return true;
    }
    shownText = TextOf(edit);
    SetWindowTextW(edit, L"\u041F\u0440\u0438\u0432\u0435\u0442");  // typed: "Привет"
    SetWindowTextW(spin, L"150");                                   // beyond the range 1..99
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    SendMessageW(ok, BM_CLICK, 0, 0);
    return true;
  });
  IX_CHECK(f.form.ShowModal() == ui::ModalResult::Ok);
  IX_CHECK(sawNatives);
  IX_CHECK(ownerDisabled);
  IX_CHECK(ownedByPage);
  IX_CHECK(shownText == L"Rectangle1");
  IX_CHECK_EQ(f.edit->Text(), std::string("\xCF\xF0\xE8\xE2\xE5\xF2"));
  IX_CHECK_EQ(f.spin->Text(), std::string("99"));  // the range applied before OK ran
  IX_CHECK_EQ(f.combo->ItemIndex(), 1);
  IX_CHECK_EQ(f.comboChanges, 1);
  IX_CHECK(IsWindowEnabled(page.page()));
  IX_CHECK(ixwin::FindThreadWindow(ui::win32::ModalDialogClassName()) == nullptr);
}

IX_CASE(ToolkitModalFormDrivenToCancel) {
  ixwin::HostPage page(50, 50);
  ParameterForm f;
  int clicks = 0;
  f.form.FindAs<ui::Button>("ButtonCancel50")->onClick = [&](ui::Control&) { ++clicks; };
  ixwin::TimerDriver driver([&] {
    HWND dialog = ixwin::FindThreadWindow(ui::win32::ModalDialogClassName());
    if (!dialog) return false;
    HWND cancel = ButtonCaptioned(dialog, L"Cancel");

    if (cancel) SendMessageW(cancel, BM_CLICK, 0, 0);
    else PostMessageW(dialog, WM_CLOSE, 0, 0);
    return true;
  });
  IX_CHECK(f.form.ShowModal() == ui::ModalResult::Cancel);
  IX_CHECK_EQ(clicks, 1);
  IX_CHECK_EQ(f.edit->Text(), std::string("Rectangle1"));
  IX_CHECK(IsWindowEnabled(page.page()));

  // The close box cancels as well, and Enter presses the default button (OK).
  {
    ixwin::TimerDriver closer([&] {
      HWND dialog = ixwin::FindThreadWindow(ui::win32::ModalDialogClassName());
      if (!dialog) return false;
      PostMessageW(dialog, WM_CLOSE, 0, 0);
      return true;
    });
    IX_CHECK(f.form.ShowModal() == ui::ModalResult::Cancel);
  }
  {
    // The Enter key in the edit, through the dialog's keyboard handling.
    HWND focused = nullptr, edit = nullptr;
    ixwin::TimerDriver enter([&] {
      HWND dialog = ixwin::FindThreadWindow(ui::win32::ModalDialogClassName());
      if (!dialog) return false;
      edit = Named(dialog, L"LEdit1");
      focused = GetFocus();
      PostMessageW(focused, WM_KEYDOWN, VK_RETURN, 1);
      PostMessageW(focused, WM_KEYUP, VK_RETURN, 0xC0000001);
      return true;
    });
    IX_CHECK(f.form.ShowModal() == ui::ModalResult::Ok);
    IX_CHECK(focused != nullptr && focused == edit);  // the first field has the focus
  }
  {
    ixwin::TimerDriver enter([&] {
      HWND dialog = ixwin::FindThreadWindow(ui::win32::ModalDialogClassName());
      if (!dialog) return false;
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      return true;
    });
    IX_CHECK(f.form.ShowModal() == ui::ModalResult::Ok);
  }
}

IX_CASE(ToolkitModalFormCarriesHandlerChangesToTheNativeControls) {
  ixwin::HostPage page(50, 50);
  ParameterForm f;
  auto& picker = f.form.Add<ui::SpeedButton>("Kn1ixTest");
  picker.SetBounds(220, 30, 26, 24);
  picker.onClick = [&](ui::Control&) {
    f.edit->SetText("Rectangle2");  // what an object picker does with the host's answer
    f.spin->SetVisible(false);
  };
  std::wstring afterPick;
  bool spinHidden = false, named = false;
  ixwin::TimerDriver driver([&] {
    HWND dialog = ixwin::FindThreadWindow(ui::win32::ModalDialogClassName());
    if (!dialog) return false;
    HWND spin = NativeAt(dialog, L"Edit", *f.spin);
    named = Named(dialog, L"LEdit1") == NativeAt(dialog, L"Edit", *f.edit) && Named(dialog, L"SpinEdit1") == spin &&
            Named(dialog, L"ComboBox1") == NativeAt(dialog, L"ComboBox", *f.combo);
    SendMessageW(Named(dialog, L"Kn1ixTest"), BM_CLICK, 0, 0);  // the picker, a speed button
    afterPick = TextOf(Named(dialog, L"LEdit1"));
    spinHidden = spin && !IsWindowVisible(spin);
    SendMessageW(ButtonCaptioned(dialog, L"Cancel"), BM_CLICK, 0, 0);
    return true;
  });
  IX_CHECK(f.form.ShowModal() == ui::ModalResult::Cancel);
  IX_CHECK(named);
  IX_CHECK(afterPick == L"Rectangle2");
  IX_CHECK(spinHidden);
  IX_CHECK_EQ(GlobalFindAtomW(L"Kn1ixTest"), 0);  // the names went with the dialog
}

IX_CASE(ToolkitColorDialogReturnsThePickedColour) {
  ixwin::HostPage page(50, 50);
  auto drive = [](bool confirm) {
    return [confirm] {
      HWND dialog = ixwin::FindThreadWindow(L"#32770");
      if (!dialog) return false;
      if (confirm) {
        SetDlgItemInt(dialog, 706, 0, FALSE);
        SetDlgItemInt(dialog, 707, 0, FALSE);
        SetDlgItemInt(dialog, 708, 255, FALSE);
      }
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(confirm ? IDOK : IDCANCEL, BN_CLICKED), 0);
      return true;
    };
  };
  {
    ixwin::TimerDriver driver(drive(true));
    const auto c = ui::ThePlatform().ChooseColor({gfx::colors::White});
    IX_CHECK(c.has_value());
    if (c) IX_CHECK(*c == gfx::Color::FromRgb(0, 0, 255));
  }
  {
    ixwin::TimerDriver driver(drive(false));
    IX_CHECK(!ui::ThePlatform().ChooseColor({gfx::colors::White}).has_value());
  }
}

IX_CASE(ToolkitFileDialogsReturnNameAndFilterIndex) {
  ixwin::HostPage page(50, 50);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring existing = std::wstring(temp) + L"ixtest_open.png";
  CloseHandle(CreateFileW(existing.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

  ui::FileDialogRequest save;
  save.kind = ui::FileDialogKind::Save;
  save.filter = "TIFF Bitmap (*.tif)|*.tif|CompuServe Bitmap (*.gif)|*.gif|Portable Network Graphics (*.png)|*.png";
  save.filterIndex = 1;
  {
    ixwin::TimerDriver driver([&] {
      HWND dialog = ixwin::FindThreadWindow(L"#32770");
      if (!dialog) return false;
      HWND types = GetDlgItem(dialog, 0x470);  // cmb1
      SendMessageW(types, CB_SETCURSEL, 2, 0);
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
      SetDlgItemTextW(dialog, 1148, (std::wstring(temp) + L"picture").c_str());
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      return true;
    });
    const auto r = ui::ThePlatform().ChooseFile(save);
    IX_CHECK(r.has_value());
    if (r) {
      IX_CHECK_EQ(r->filterIndex, 3);
      IX_CHECK(r->fileName.find("picture") != std::string::npos);
    }
  }
  ui::FileDialogRequest open;
  open.filter = "All (*.jpg;*.png)|*.jpg;*.png|Bitmaps (*.bmp)|*.bmp";
  open.filterIndex = 1;
  {
    ixwin::TimerDriver driver(TypeFileName(existing));
    const auto r = ui::ThePlatform().ChooseFile(open);
    IX_CHECK(r.has_value());
    if (r) {
      IX_CHECK_EQ(r->filterIndex, 1);
      IX_CHECK(r->fileName.find("ixtest_open.png") != std::string::npos);
    }
  }
  {
    ixwin::TimerDriver driver([] {
      HWND dialog = ixwin::FindThreadWindow(L"#32770");
      if (!dialog) return false;
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return true;
    });
    IX_CHECK(!ui::ThePlatform().ChooseFile(open).has_value());
  }
  DeleteFileW(existing.c_str());

  // A name Windows-1251 cannot write comes back as its short form, which opens the file.
  const std::wstring foreign = std::wstring(temp) + L"ixtest_\u56FE.png";
  CloseHandle(CreateFileW(foreign.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  {
    ixwin::TimerDriver driver(TypeFileName(foreign));
    // Wine makes short names for every long one (a Windows volume without them would give
    // nothing: the choice then counts as cancelled).
    const auto r = ui::ThePlatform().ChooseFile(open);
    IX_CHECK(r.has_value());
    if (r) {
      IX_CHECK(r->fileName.find('?') == std::string::npos);
      const std::wstring back(r->fileName.begin(), r->fileName.end());  // ASCII short form
      HANDLE f = CreateFileW(back.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
      IX_CHECK(f != INVALID_HANDLE_VALUE);
      if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
      std::printf("short form: %s\n", r->fileName.c_str());
    }
  }
  DeleteFileW(foreign.c_str());
}

IX_CASE(ToolkitModalFormPickerRunsTheColourDialogOnTopOfIt) {
  ixwin::HostPage page(50, 50);
  ParameterForm f;
  auto& picker = f.form.Add<ui::SpeedButton>("SpeedButton1");
  picker.SetBounds(220, 30, 26, 24);
  picker.onClick = [&](ui::Control&) {
    if (auto c = ui::ThePlatform().ChooseColor({gfx::colors::Black}))
      f.edit->SetText(std::to_string(c->R()) + "," + std::to_string(c->G()) + "," + std::to_string(c->B()));
  };
  int stage = 0;
  HWND colourOwner = nullptr, dialogSeen = nullptr;
  bool dialogDisabledMeanwhile = false;
  std::wstring afterPick;
  ixwin::TimerDriver driver([&] {
    HWND dialog = ixwin::FindThreadWindow(ui::win32::ModalDialogClassName());
    if (!dialog) return false;
    dialogSeen = dialog;
    if (stage == 0) {  // press the picker; its colour dialog runs once the tick is over
      PostMessageW(Named(dialog, L"SpeedButton1"), BM_CLICK, 0, 0);
      stage = 1;
      return false;
    }
    if (stage == 1) {
      HWND colours = ixwin::FindThreadWindow(L"#32770");
      if (!colours) return false;
      colourOwner = GetWindow(colours, GW_OWNER);
      dialogDisabledMeanwhile = !IsWindowEnabled(dialog);
      SetDlgItemInt(colours, 706, 0, FALSE);
      SetDlgItemInt(colours, 707, 0, FALSE);
      SetDlgItemInt(colours, 708, 255, FALSE);
      PostMessageW(colours, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      stage = 2;
      return false;
    }
    if (ixwin::FindThreadWindow(L"#32770")) return false;
    afterPick = TextOf(Named(dialog, L"LEdit1"));
    SendMessageW(ButtonCaptioned(dialog, L"OK"), BM_CLICK, 0, 0);
    return true;
  });
  IX_CHECK(f.form.ShowModal() == ui::ModalResult::Ok);
  IX_CHECK(colourOwner != nullptr && colourOwner == dialogSeen);
  IX_CHECK(dialogDisabledMeanwhile);
  IX_CHECK(afterPick == L"0,0,255");
  IX_CHECK_EQ(f.edit->Text(), std::string("0,0,255"));
}
