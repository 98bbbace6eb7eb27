// Gives a work area back the controlling order it had, for routines that seek on an order of their
// own in a table their caller has open.
#ifndef PALUNDA_FRAME_ORDER_SCOPE_H_
#define PALUNDA_FRAME_ORDER_SCOPE_H_

#include "xbase/work_area.h"

namespace frame {

class OrderScope {
 public:
  explicit OrderScope(xbase::WorkArea& area) : area_(area), saved_(area.OrderNumber()) {}
  // The number was valid when saved and index files do not close in between.
  ~OrderScope() { area_.SetOrder(saved_).IgnoreError(); }
  OrderScope(const OrderScope&) = delete;
  OrderScope& operator=(const OrderScope&) = delete;

 private:
  xbase::WorkArea& area_;
  int saved_;
};

}  // namespace frame

#endif  // PALUNDA_FRAME_ORDER_SCOPE_H_
