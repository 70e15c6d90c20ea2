#pragma once
// Puts a release over the panel in the order the display logic needs.
//
// The hook posts its release code before the system queues the button's own
// button-up message, and posted messages are taken first, so the code would
// be handled before the button's release handler starts. The R drag's end,
// the M release and the W click need the handler to start first. So while a
// panel button holds the pointer capture, release codes are held back; they
// become due once the button's release handler has started, and are handled
// at the handler's first processing of pending messages, or when it ends if
// it never processes them.

namespace qpad {

class ReleaseOrder {
 public:
  // A panel button took the pointer capture at its press.
  void ButtonCaptured() { captured_ = true; }
  // The capturing button's release handler is about to start, or the capture
  // ended without a release on the button.
  void ButtonReleased() { captured_ = false; }

  // A release code arrived: true when it is held back for later.
  bool Hold();
  // How many held release codes to handle now (before pending messages are
  // processed, and after a button's release handler). Zero while a button
  // still holds the capture.
  int TakeDue();

 private:
  bool captured_ = false;
  int held_ = 0;
};

}  // namespace qpad
