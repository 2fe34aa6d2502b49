"""A small SFTP server on 127.0.0.1 for the upload tests.

usage: sftpserver.py ROOT PORTFILE KEYFILE
The user "user" logs in with the password "pa&ss @:word"; its home folder is ROOT. The host key
is read from KEYFILE, or made and written there when the file does not exist.
"""
import os
import socket
import sys
import threading

import paramiko
from paramiko import SFTPAttributes, SFTPHandle, SFTPServer, SFTPServerInterface
from paramiko.sftp import SFTP_FAILURE, SFTP_NO_SUCH_FILE, SFTP_OK, SFTP_PERMISSION_DENIED

import serverlife

USER, PASSWORD = "user", "pa&ss @:word"


class Server(paramiko.ServerInterface):
    def check_auth_password(self, username, password):
        ok = username == USER and password == PASSWORD
        return paramiko.AUTH_SUCCESSFUL if ok else paramiko.AUTH_FAILED

    def get_allowed_auths(self, username):
        return "password"

    def check_channel_request(self, kind, chanid):
        return paramiko.OPEN_SUCCEEDED if kind == "session" else paramiko.OPEN_FAILED_ADMINISTRATIVELY_PROHIBITED


def errno_to_sftp(e):
    return SFTPServer.convert_errno(e.errno)


class Handle(SFTPHandle):
    def stat(self):
        try:
            return SFTPAttributes.from_stat(os.fstat(self.readfile.fileno() if hasattr(self, "readfile") else self.writefile.fileno()))
        except OSError as e:
            return errno_to_sftp(e)

    def chattr(self, attr):
        return SFTP_OK


def make_sftp(root):
    class Files(SFTPServerInterface):
        def _real(self, path):
            path = os.path.normpath("/" + path.lstrip("/"))
            return os.path.join(root, path.lstrip("/"))

        def canonicalize(self, path):
            return os.path.normpath("/" + path.lstrip("/"))

        def list_folder(self, path):
            try:
                out = []
                for name in os.listdir(self._real(path)):
                    attr = SFTPAttributes.from_stat(os.lstat(os.path.join(self._real(path), name)))
                    attr.filename = name
                    out.append(attr)
                return out
            except OSError as e:
                return errno_to_sftp(e)

        def stat(self, path):
            try:
                return SFTPAttributes.from_stat(os.stat(self._real(path)))
            except OSError as e:
                return errno_to_sftp(e)

        lstat = stat

        def open(self, path, flags, attr):
            real = self._real(path)
            try:
                fd = os.open(real, flags, 0o644)
            except OSError as e:
                return errno_to_sftp(e)
            if flags & (os.O_WRONLY | os.O_RDWR):
                mode = "ab" if flags & os.O_APPEND else ("r+b" if flags & os.O_RDWR else "wb")
            else:
                mode = "rb"
            f = os.fdopen(fd, mode)
            h = Handle(flags)
            h.filename = real
            h.readfile = f
            h.writefile = f
            return h

        def mkdir(self, path, attr):
            try:
                os.mkdir(self._real(path))
            except OSError as e:
                return errno_to_sftp(e)
            return SFTP_OK

        def remove(self, path):
            try:
                os.remove(self._real(path))
            except OSError as e:
                return errno_to_sftp(e)
            return SFTP_OK

        def rename(self, old, new):
            try:
                os.rename(self._real(old), self._real(new))
            except OSError as e:
                return errno_to_sftp(e)
            return SFTP_OK

        def chattr(self, path, attr):
            return SFTP_OK

    return Files


def serve(conn, key, root):
    try:
        t = paramiko.Transport(conn)
        t.add_server_key(key)
        t.set_subsystem_handler("sftp", SFTPServer, make_sftp(root))
        t.start_server(server=Server())
        while t.is_active():
            t.join(0.5)
    except Exception:
        pass


def main():
    serverlife.exit_with_parent()
    root, portfile, keyfile = sys.argv[1:4]
    if os.path.exists(keyfile):
        key = paramiko.RSAKey(filename=keyfile)
    else:
        key = paramiko.RSAKey.generate(2048)
        key.write_private_key_file(keyfile)
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    with open(portfile + ".tmp", "w") as f:
        f.write(str(listener.getsockname()[1]))
    os.rename(portfile + ".tmp", portfile)
    while True:
        conn, _ = listener.accept()
        threading.Thread(target=serve, args=(conn, key, root), daemon=True).start()


if __name__ == "__main__":
    main()
