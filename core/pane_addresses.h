#pragma once

#include <string>
#include <string_view>

#include "core/status_catalogue.h"

namespace nominator {

// Where a pane's navigation to an address goes. A pane has no address bar, so it shows only the
// wiki's own pages; the user's own browser, which shows where it is, gets every other web or mail
// address; anything else (a local file, another program's scheme) goes nowhere.
enum class Destination { Pane, Browser, Refused };

// The wiki's own pages: https on wikipedia.org, wikimedia.org or a subdomain of either (the
// login passes through auth.wikimedia.org and login.wikimedia.org, the pictures come from
// upload.wikimedia.org and commons), on the default port, with no user name or password in the
// address. The rule names the two domains, not their hosts, so that it holds when the login
// moves to other hosts. Hosts may be written in Unicode or in their ASCII form, in any case.
bool IsWikiAddress(std::string_view address);

// Whether the user's browser may be handed the address: web and mail addresses only.
bool GoesToTheBrowser(std::string_view address);

// Where the pane's navigation to the address goes. The empty page the tool opens itself
// (about:blank, and a frame's about:srcdoc) stays in the pane.
Destination DestinationOf(std::string_view address);

// What a pane did with an address or a download that it did not keep for itself, for the status
// line.
enum class PaneNotice {
    // Neither a page of the wiki nor an address for the user's browser: `subject` is it.
    AddressRefused,
    // The desktop could not open the address `subject` in a browser.
    NotHandedOn,
    // The user did not choose where to save the download `subject`: nothing was written.
    DownloadRefused,
    // The download was saved as the file `subject`.
    DownloadSaved,
    // The download `subject` stopped, for `reason`, before it was saved.
    DownloadFailed,
};

// The status line for the notice of the pane on `tab`: long addresses and file names shortened
// in the line and whole in its tool tip.
StatusLine PaneNoticeStatus(int tab, PaneNotice notice, std::string_view subject,
                            std::string_view reason = {});

}  // namespace nominator
