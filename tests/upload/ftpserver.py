"""A small FTP server on 127.0.0.1 for the upload tests, with the faults they need.

usage: ftpserver.py ROOT PORTFILE [options]
  --tls             offer explicit TLS (AUTH TLS); writes ROOT/../cert.pem for clients to trust
  --tls-required    refuse to log in without TLS
  --silent          accept connections and never say anything
  --stall CMD       never answer the command CMD (PASS, MKD, CWD, STOR)
  --refuse-store N  answer 550 to STOR of a file named N (may be repeated)
  --drop-after N    close the data connection of every upload after N bytes
  --throttle BPS    receive uploads at most at BPS bytes per second
  --raw-ascii       store text uploads exactly as they came over the wire (CR LF stays CR LF,
                    as on a server whose own line end is CR LF)
The users are "user" (password "pa&ss @:word", all rights), "reader" (password "secret", may
list and read only) and "nomkd" (password "secret", may store files but not make folders).
"""
import argparse
import os
import socket
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

import serverlife


def make_certificate(folder):
    from OpenSSL import crypto
    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.get_subject().CN = "127.0.0.1"
    cert.set_serial_number(int(time.time() * 1000))
    cert.gmtime_adj_notBefore(-3600)
    cert.gmtime_adj_notAfter(3600 * 24)
    cert.set_issuer(cert.get_subject())
    cert.add_extensions([
        crypto.X509Extension(b"subjectAltName", False, b"IP:127.0.0.1,DNS:localhost"),
        crypto.X509Extension(b"basicConstraints", True, b"CA:TRUE"),
    ])
    cert.set_pubkey(key)
    cert.sign(key, "sha256")
    path = os.path.join(folder, "cert.pem")
    with open(path, "wb") as f:
        f.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
        f.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))
    return path


def main():
    serverlife.exit_with_parent()
    p = argparse.ArgumentParser()
    p.add_argument("root")
    p.add_argument("portfile")
    p.add_argument("--tls", action="store_true")
    p.add_argument("--tls-required", action="store_true")
    p.add_argument("--silent", action="store_true")
    p.add_argument("--stall", action="append", default=[])
    p.add_argument("--refuse-store", action="append", default=[])
    p.add_argument("--drop-after", type=int, default=0)
    p.add_argument("--throttle", type=int, default=0)
    p.add_argument("--raw-ascii", action="store_true")
    a = p.parse_args()

    if a.silent:
        listener = socket.socket()
        listener.bind(("127.0.0.1", 0))
        listener.listen(8)
        write_port(a.portfile, listener.getsockname()[1])
        held = []
        while True:
            conn, _ = listener.accept()
            held.append(conn)

    authorizer = DummyAuthorizer()
    authorizer.add_user("user", "pa&ss @:word", a.root, perm="elradfmwMT")
    authorizer.add_user("reader", "secret", a.root, perm="elr")
    authorizer.add_user("nomkd", "secret", a.root, perm="elradfwMT")

    dtp_base = ThrottledDTPHandler if a.throttle else DTPHandler
    handler_base = FTPHandler
    if a.tls or a.tls_required:
        from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler
        dtp_base = TLS_DTPHandler
        handler_base = TLS_FTPHandler

    class TestDTP(dtp_base):
        received = 0

        def __init__(self, sock, cmd_channel):
            super().__init__(sock, cmd_channel)
            # Start the TLS handshake at once, so a client that speaks first is answered.
            if getattr(self, "_ssl_requested", False):
                self._do_ssl_handshake()

        def handle_read_event(self):
            super().handle_read_event()
            if a.drop_after and self.receive and self.get_transmitted_bytes() >= a.drop_after:
                self.cmd_channel.close()
                self.close()

        def enable_receiving(self, type, cmd):
            super().enable_receiving(type, cmd)
            if a.raw_ascii:
                self._data_wrapper = None

    if a.throttle:
        TestDTP.read_limit = a.throttle

    class TestHandler(handler_base):
        def pre_process_command(self, line, cmd, arg):
            if cmd in a.stall:
                return
            if cmd == "STOR" and arg and os.path.basename(arg) in a.refuse_store:
                self.respond("550 Not allowed to store that file.")
                return
            super().pre_process_command(line, cmd, arg)

    TestHandler.authorizer = authorizer
    TestHandler.dtp_handler = TestDTP
    TestHandler.timeout = 30
    if a.tls or a.tls_required:
        TestHandler.certfile = make_certificate(os.path.dirname(os.path.abspath(a.portfile)))
        TestHandler.tls_control_required = a.tls_required
        TestHandler.tls_data_required = a.tls_required

    server = FTPServer(("127.0.0.1", 0), TestHandler)
    write_port(a.portfile, server.address[1])
    server.serve_forever()


def write_port(path, port):
    with open(path + ".tmp", "w") as f:
        f.write(str(port))
    os.rename(path + ".tmp", path)


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.ERROR)
    sys.exit(main())
