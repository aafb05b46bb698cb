#include "paging.h"

namespace service {

Page paginate(int total, long long p, long long n) {
    Page page;
    page.total = total;
    if (total <= 0) return page;
    const long long pages = (total + n - 1) / n;
    page.pages = static_cast<int>(pages);
    if (p > pages) {
        page.outcome = Page::Outcome::BeyondLast;
        return page;
    }
    page.outcome = Page::Outcome::Records;
    page.number = static_cast<int>(p);
    page.first = static_cast<int>((p - 1) * n);
    const long long left = total - page.first;
    page.count = static_cast<int>(left < n ? left : n);
    return page;
}

}  // namespace service
