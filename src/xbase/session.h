// Session: the work areas one user has open, under their aliases, with the settings they share
// and the search path their tables are found through.
#ifndef PALUNDA_XBASE_SESSION_H_
#define PALUNDA_XBASE_SESSION_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/dbf_field.h"
#include "xbase/search_path.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace xbase {

class Session {
 public:
  explicit Session(SearchPath search_path = SearchPath()) : search_path_(std::move(search_path)) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  // Closes what is still open; call CloseAll() first to learn whether the last writes succeeded.
  ~Session() { CloseAll().IgnoreError(); }

  const SearchPath& search_path() const { return search_path_; }
  // Replaces the folders that tables are found through; open work areas stay open.
  void set_search_path(SearchPath search_path) { search_path_ = std::move(search_path); }

  // Opens table `name` (found through the search path) in a new work area under `alias` (the
  // table's name in upper case when empty). InvalidArgument when the alias is taken.
  Status Use(std::string_view name, std::string_view alias, OpenMode mode, WorkArea** area);
  // Creates table `name` with `fields` in the first folder of the search path; it is left closed, or,
  // given `area`, kept open exclusively in a new work area under `alias` (named as Use names it), so
  // that no one else can take it in between. InvalidArgument, before anything is made, when the alias
  // is taken.
  Status CreateTable(std::string_view name, std::vector<DbfField> fields, std::string_view alias = {},
                     WorkArea** area = nullptr);
  // The work area open under `alias` (without regard to case), or nullptr.
  WorkArea* Area(std::string_view alias) const;
  // Closes the work area under `alias`.
  Status Close(std::string_view alias);
  // Closes every work area; the first failure is returned.
  Status CloseAll();

  // True when navigation passes over deleted records (the setting at start).
  bool deleted_hidden() const { return settings_.hide_deleted; }
  // Sets whether navigation passes over deleted records, in every work area.
  void set_deleted_hidden(bool hidden) { settings_.hide_deleted = hidden; }
  // The fields typed getters of this session's areas could not give (see WorkAreaSettings).
  const std::vector<std::string>& field_faults() const { return settings_.field_faults; }

 private:
  SearchPath search_path_;
  WorkAreaSettings settings_;
  std::vector<std::unique_ptr<WorkArea>> areas_;
};

// Shows deleted records in every work area of a session while it lives, then restores the setting.
class ShowDeleted {
 public:
  explicit ShowDeleted(Session* session) : session_(session), saved_(session->deleted_hidden()) {
    session_->set_deleted_hidden(false);
  }
  ShowDeleted(const ShowDeleted&) = delete;
  ShowDeleted& operator=(const ShowDeleted&) = delete;
  ~ShowDeleted() { session_->set_deleted_hidden(saved_); }

 private:
  Session* session_;
  bool saved_;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_SESSION_H_
