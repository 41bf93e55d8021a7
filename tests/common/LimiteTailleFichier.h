// Makes every write past a given size of any file fail (EFBIG), as a full disk would, for the
// lifetime of the object.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace zorvane::test {

class LimiteTailleFichier {
  public:
    explicit LimiteTailleFichier(rlim_t limite) {
        ancienSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &ancienne_);
        rlimit r = ancienne_;
        r.rlim_cur = limite;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteTailleFichier() {
        setrlimit(RLIMIT_FSIZE, &ancienne_);
        std::signal(SIGXFSZ, ancienSignal_);
    }
    LimiteTailleFichier(const LimiteTailleFichier&) = delete;
    LimiteTailleFichier& operator=(const LimiteTailleFichier&) = delete;

  private:
    rlimit ancienne_{};
    void (*ancienSignal_)(int);
};

} // namespace zorvane::test
