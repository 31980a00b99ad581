#pragma once
// A computation over a range of instants moves Session::CurrentInstant row by row; this puts
// the instant back when it ends, whichever way it ends.
#include "core/Session.h"

namespace vagaris {

class BorrowedInstant {
public:
    explicit BorrowedInstant(Session& session)
        : session_(session), saved_(session.CurrentInstant) {}
    ~BorrowedInstant() { session_.CurrentInstant = saved_; }
    BorrowedInstant(const BorrowedInstant&) = delete;
    BorrowedInstant& operator=(const BorrowedInstant&) = delete;

private:
    Session& session_;
    Instant saved_;
};

}  // namespace vagaris
