#!/usr/bin/python3
"""A real FTP server on loopback for Kestrum's tests and demo.

Serves ROOT to one account on a free port (or --port), prints "HOST:PORT" on
its first line of output once it accepts connections, and runs until killed.
Run it with /usr/bin/python3: Debian's python3-pyftpdlib lives there.
"""
import argparse
import logging
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--root", required=True, help="directory the account logs into")
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--host", default="127.0.0.1", help="loopback address to listen on")
    parser.add_argument("--port", type=int, default=0, help="0 picks a free port")
    parser.add_argument("--log", help="file for the server's log (default: none)")
    args = parser.parse_args()

    if args.host not in ("127.0.0.1", "::1", "localhost"):
        parser.error("only loopback addresses are served")

    if args.log:
        logging.basicConfig(filename=args.log, level=logging.INFO)
    else:
        logging.basicConfig(level=logging.CRITICAL)

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, os.path.abspath(args.root), perm="elradfmwMT")

    handler = FTPHandler
    handler.authorizer = authorizer
    handler.banner = "Kestrum test FTP server ready."
    handler.passive_ports = None
    handler.timeout = 120

    server = FTPServer((args.host, args.port), handler)
    host, port = server.socket.getsockname()[:2]
    shown = "[%s]" % host if ":" in host else host
    print("%s:%d" % (shown, port), flush=True)
    try:
        server.serve_forever(handle_exit=True)
    finally:
        server.close_all()


if __name__ == "__main__":
    sys.exit(main())
