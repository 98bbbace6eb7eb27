// Integrity check of an NTX file: pages well formed, keys in order, leaves level, free pages chained,
// every page either in the tree or free.
#include "xbase/ntx_check.h"

#include <cstring>
#include <functional>

namespace xbase {

namespace {

constexpr size_t kMaxDepth = 64;

// An in-order walk over the pages of an index that notes every fault instead of stopping at the first.
class TreeWalk {
 public:
  using Visit = std::function<void(const uint8_t* key, uint32_t recno)>;

  TreeWalk(NtxIndex& index, NtxCheckReport* report, Visit visit)
      : store_(index.store()),
        header_(index.header()),
        report_(report),
        visit_(std::move(visit)),
        seen_(store_.file_size() / kNtxPageSize, false) {}

  void Run() {
    Page(header_.root, 1);
    report_->depth = leaf_depth_;
    CheckFreeChain();
    for (size_t p = 1; p < seen_.size(); ++p) {
      if (!seen_[p]) Fault("page at " + std::to_string(p * kNtxPageSize) + " is neither in the tree nor free");
    }
  }

 private:
  void Fault(const std::string& detail) { report_->faults.push_back(Status::Corruption(store_.path(), detail).message()); }

  // Mark a page as met; false (with a fault) when it was met before.
  bool Claim(uint32_t offset, const char* role) {
    const size_t p = offset / kNtxPageSize;
    if (p < seen_.size() && seen_[p]) {
      Fault(std::string(role) + " page at " + std::to_string(offset) + " reached twice");
      return false;
    }
    if (p < seen_.size()) seen_[p] = true;
    return true;
  }

  void Page(uint32_t offset, size_t depth) {
    if (depth > kMaxDepth) {
      Fault("tree deeper than " + std::to_string(kMaxDepth));
      return;
    }
    if (!Claim(offset, "tree")) return;
    uint8_t* bytes = nullptr;
    Status s = store_.Page(offset, &bytes);
    if (!s.ok()) {
      report_->faults.push_back(s.message());
      return;
    }
    ++report_->tree_pages;
    // Copy: deeper reads may not move it, but the walk must not depend on that.
    std::vector<uint8_t> copy(bytes, bytes + kNtxPageSize);
    const NtxPage page(copy.data(), header_);
    const int n = page.count();
    if (n == 0 && depth > 1) Fault("page at " + std::to_string(offset) + " has no items");
    if (page.is_leaf()) {
      if (leaf_depth_ == 0) leaf_depth_ = depth;
      if (leaf_depth_ != depth) Fault("leaf page at " + std::to_string(offset) + " at depth " + std::to_string(depth) +
                                      ", others at " + std::to_string(leaf_depth_));
    }
    for (int i = 0; i <= n; ++i) {
      if (!page.is_leaf()) Page(page.child(i), depth + 1);
      if (i < n) Item(offset, page.key(i), page.recno(i));
    }
  }

  void Item(uint32_t offset, const uint8_t* key, uint32_t recno) {
    ++report_->keys;
    const size_t size = header_.key_size;
    if (!previous_.empty()) {
      int c = std::memcmp(previous_.data(), key, size);
      if (header_.descending) c = -c;
      // Equal keys need not be in record order: the reference runtime adds a changed key after its equals.
      if (c > 0) {
        Fault("page at " + std::to_string(offset) + ": key of record " + std::to_string(recno) + " out of order");
      } else if (c == 0 && header_.unique) {
        Fault("page at " + std::to_string(offset) + ": key of record " + std::to_string(recno) + " repeated in a unique index");
      }
    }
    previous_.assign(key, key + size);
    if (visit_) visit_(key, recno);
  }

  void CheckFreeChain() {
    for (uint32_t offset = header_.first_free; offset != 0;) {
      if (!Claim(offset, "free")) return;
      uint8_t* bytes = nullptr;
      Status s = store_.Page(offset, &bytes);
      if (!s.ok()) {
        report_->faults.push_back(s.message());
        return;
      }
      const NtxPage page(bytes, header_);
      if (page.count() != 0) {
        Fault("free page at " + std::to_string(offset) + " holds items");
        return;
      }
      ++report_->free_pages;
      offset = page.child(0);
    }
  }

  NtxStore& store_;
  const NtxHeader& header_;
  NtxCheckReport* report_;
  Visit visit_;
  std::vector<bool> seen_;
  size_t leaf_depth_ = 0;
  std::vector<uint8_t> previous_;
};

Status WalkLocked(NtxIndex& index, NtxCheckReport* report, TreeWalk::Visit visit) {
  NtxStore& store = index.store();
  Status s = store.BeginRead(true);
  if (s.ok()) TreeWalk(index, report, std::move(visit)).Run();
  store.EndRead();
  return s;
}

}  // namespace

Status NtxCheck(NtxIndex& index, NtxCheckReport* report) {
  *report = NtxCheckReport();
  return WalkLocked(index, report, nullptr);
}

Status NtxItems(NtxIndex& index, std::vector<std::pair<std::string, uint32_t>>* items) {
  items->clear();
  NtxCheckReport report;
  const size_t size = index.key_size();
  Status s = WalkLocked(index, &report, [&](const uint8_t* key, uint32_t recno) {
    items->emplace_back(std::string(reinterpret_cast<const char*>(key), size), recno);
  });
  if (s.ok() && !report.ok()) return Status::Corruption(report.faults.front());
  return s;
}

}  // namespace xbase
