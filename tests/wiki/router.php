<?php
// PHP's built-in server for the local wiki, with the English Wikipedia's paths: /wiki/TITLE is
// an article, /w/NAME.php an entry point, anything else under /w/ a file of the installation,
// which the document root links as w/. Every request came through the loopback TLS end.
$_SERVER['HTTPS'] = 'on';
$path = parse_url( $_SERVER['REQUEST_URI'], PHP_URL_PATH ) ?? '/';
$entry = null;
if ( $path === '/' || str_starts_with( $path, '/wiki/' ) ) {
	$entry = 'index.php';
} elseif ( preg_match( '#^/w/([a-z_]+\.php)$#', $path, $match ) ) {
	$entry = $match[1];
}
if ( $entry === null || !is_file( $_SERVER['DOCUMENT_ROOT'] . "/w/$entry" ) ) {
	return false;
}
$_SERVER['SCRIPT_NAME'] = $_SERVER['PHP_SELF'] = "/w/$entry";
$_SERVER['SCRIPT_FILENAME'] = $_SERVER['DOCUMENT_ROOT'] . "/w/$entry";
chdir( $_SERVER['DOCUMENT_ROOT'] . '/w' );
require $_SERVER['SCRIPT_FILENAME'];
