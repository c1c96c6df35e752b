<?php
// Read after the installer's own settings: the local wiki looks like the English Wikipedia from
// outside, and nothing in it reaches beyond the loopback interface.

$wgSitename = 'Wikipedia';
$wgMetaNamespace = 'Wikipedia';
$wgServer = 'https://en.wikipedia.org';
$wgCanonicalServer = 'https://en.wikipedia.org';
$wgScriptPath = '/w';
$wgArticlePath = '/wiki/$1';
$wgUsePathInfo = true;
$wgLanguageCode = 'en';
$wgLocaltimezone = 'UTC';
$wgLogos = [ '1x' => "$wgResourceBasePath/resources/assets/wiki.png" ];

// The editor the English Wikipedia gives by default.
wfLoadExtension( 'WikiEditor' );
$wgDefaultUserOptions['usebetatoolbar'] = 1;

// Nothing that sends mail, takes files or asks another host.
$wgEnableEmail = false;
$wgEnableUserEmail = false;
$wgEnotifUserTalk = false;
$wgEnotifWatchlist = false;
$wgEmailAuthentication = false;
$wgEnableUploads = false;
$wgAllowCopyUploads = false;
$wgUseInstantCommons = false;
$wgForeignFileRepos = [];
$wgAllowExternalImages = false;
$wgPingback = false;
$wgEnableDnsBlacklist = false;
$wgUseCdn = false;
$wgRCFeeds = [];
// Jobs run at the end of the request that queued them, never through a request to $wgServer.
$wgRunJobsAsync = false;
$wgJobRunRate = 1;

// The PHP server behind the loopback TLS end sees plain HTTP; the pages' addresses and cookies
// are those of https://en.wikipedia.org all the same (the router marks requests as HTTPS).
$wgForceHTTPS = false;
$wgCookieSecure = true;

// Errors in full: the tests read them in the server's log.
$wgShowExceptionDetails = true;

// The tests' account is the installer's sysop, yet meets a fully protected page as most editors
// do: it may not edit it.
$wgGroupPermissions['sysop']['editprotected'] = false;

// Pages may link local files, as intranet wikis let theirs do: the panes must refuse them.
$wgUrlProtocols[] = 'file://';
