#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Graphics.h"

namespace platform {

class Window;

// A control on a window's page. Controls are made by Window::AddControl and owned by
// their window. Positions are pixels of the page; Left/Top/Width/Height read back as set.
class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  // Member number in a control array; -1 for a control that belongs to none.
  std::int64_t Index() const { return index_; }
  Window& Owner() const { return owner_; }

 protected:
  Control(Window& owner, std::string name, std::int64_t index);

 private:
  Window& owner_;
  std::string name_;
  std::int64_t index_;
};

class RectControl : public Control {
 public:
  ~RectControl() override;

  std::int64_t Left() const;
  void SetLeft(std::int64_t x);
  std::int64_t Top() const;
  void SetTop(std::int64_t y);
  std::int64_t Width() const;
  void SetWidth(std::int64_t width);
  std::int64_t Height() const;
  void SetHeight(std::int64_t height);
  // The control's own visibility (shown once its window is shown).
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // Hover text.
  std::string HelpTag() const;
  void SetHelpTag(const std::string& text);
  // Font of the control's text; "System" with size 0 is the platform's standard font.
  void SetTextFont(const std::string& name);
  void SetTextSize(double points);
  void SetTabStop(bool tabStop);
  void SetFocus();
  bool HasFocus() const;

  struct Impl;
  Impl& impl() const { return *impl_; }

 protected:
  RectControl(Window& owner, std::string name, std::int64_t index, std::unique_ptr<Impl> impl);

 private:
  std::unique_ptr<Impl> impl_;
};

class TextField : public RectControl {
 public:
  TextField(Window& owner, std::string name, std::int64_t index);
  std::string Text() const;
  void SetText(const std::string& text);
  // The picture is kept for the program to read back; it never changes what the user
  // typed or what Text gives.
  std::string Format() const;
  void SetFormat(const std::string& picture);
  // Alignment of the text inside the field: 0 default, 1 left, 2 centre, 3 right.
  void SetAlignment(std::int64_t alignment);
  // Colours of the typed text and of the field's face; they hold under any desktop palette.
  Color TextColor() const;
  void SetTextColor(Color color);
  Color BackColor() const;
  void SetBackColor(Color color);

 private:
  std::string format_;
  Color textColor_{0, 0, 0};
  Color backColor_{255, 255, 255};
};

// A caption shows its whole text where the form leaves room: a text wider than the label
// runs on to its right, up to the next control in its row. Width reads back as set.
class Label : public RectControl {
 public:
  Label(Window& owner, std::string name, std::int64_t index);
  std::string Text() const;
  void SetText(const std::string& text);
  // Colour of the text; it holds under any desktop palette.
  Color TextColor() const;
  void SetTextColor(Color color);

 private:
  Color textColor_{0, 0, 0};
};

class PushButton : public RectControl {
 public:
  PushButton(Window& owner, std::string name, std::int64_t index);
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  // The default button is pressed by Return or Enter anywhere in its window.
  bool Default() const;
  void SetDefault(bool isDefault);
  // A cancel button is pressed by Escape.
  bool Cancel() const;
  void SetCancel(bool isCancel);
  // Bound after the design settings; the handler receives the button.
  void SetAction(std::function<void(PushButton& sender)> action);
  // Presses the button as a click would.
  void Push();

 private:
  friend struct RectControl::Impl;
  std::function<void(PushButton&)> action_;
  bool default_ = false;
  bool cancel_ = false;
};

// Radio buttons of one window form one group: selecting one clears the others.
class RadioButton : public RectControl {
 public:
  RadioButton(Window& owner, std::string name, std::int64_t index);
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool Value() const;
  // Setting True selects this button, clears the other and raises its Action, also
  // when it was selected already. Setting False only clears it.
  void SetValue(bool value);
  void SetAction(std::function<void(RadioButton& sender)> action);

 private:
  friend struct RectControl::Impl;
  std::function<void(RadioButton&)> action_;
};

}  // namespace platform
