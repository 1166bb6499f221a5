// The re-entry guard of the window's handlers.
//
// A handler that shows a modal box lets the event loop run while the box is open:
// the operator can still press another button or the window's close box. The
// window is "busy" from the start of a handler to its end, and a handler that
// finds it busy does nothing. The guard is an object so that a handler that
// throws, or returns early, never leaves the window locked.
#pragma once

namespace corrinom::fenetre {

// Whether a handler of the window is running.
class Occupation {
 public:
  bool occupee() const { return occupee_; }

 private:
  friend class GardeGestionnaire;
  bool occupee_ = false;
};

// Takes the window for the lifetime of the object when it is free:
//
//   GardeGestionnaire garde(occupation_);
//   if (!garde) return;  // another handler is running
//
// A guard that found the window busy holds nothing and releases nothing.
class GardeGestionnaire {
 public:
  explicit GardeGestionnaire(Occupation& o) : o_(o.occupee_ ? nullptr : &o) {
    if (o_) o_->occupee_ = true;
  }
  ~GardeGestionnaire() {
    if (o_) o_->occupee_ = false;
  }
  GardeGestionnaire(const GardeGestionnaire&) = delete;
  GardeGestionnaire& operator=(const GardeGestionnaire&) = delete;

  // True when this guard holds the window: the handler may run.
  explicit operator bool() const { return o_ != nullptr; }

 private:
  Occupation* o_;
};

}  // namespace corrinom::fenetre
