#pragma once

namespace service {

// Which slice of a result list one page request gets.
struct Page {
    enum class Outcome { Nothing, BeyondLast, Records };
    Outcome outcome = Outcome::Nothing;
    int total = 0;   // records of the whole result
    int number = 0;  // page delivered, 1 for the first
    int pages = 0;   // pages of the whole result
    int first = 0;   // index of the first record of the page
    int count = 0;   // records on the page
};

// p and n are 1-based page number and page size, both already checked positive.
Page paginate(int total, long long p, long long n);

}  // namespace service
