# A throw-away FTP server for the report tests: one user with a password, the given folder as
# its home, a free loopback port printed as "PORT n" once it listens.
#
# With a fourth argument, a folder, the server speaks TLS only (explicit, AUTH TLS, on the
# control and the data connections) with a self-signed certificate for 127.0.0.1 that it makes
# for this run and leaves in that folder as cert.pem: the tests trust it as their one authority.
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def make_certificate(folder):
    from OpenSSL import crypto

    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.set_version(2)
    cert.get_subject().CN = "127.0.0.1"
    cert.set_serial_number(int.from_bytes(os.urandom(8), "big"))
    cert.gmtime_adj_notBefore(-60)
    cert.gmtime_adj_notAfter(24 * 3600)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.add_extensions([
        crypto.X509Extension(b"basicConstraints", True, b"CA:TRUE"),
        crypto.X509Extension(b"subjectAltName", False, b"IP:127.0.0.1"),
    ])
    cert.sign(key, "sha256")
    path = os.path.join(folder, "cert.pem")
    with open(path, "wb") as out:
        out.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
        out.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))
    return path


root, user, password = sys.argv[1], sys.argv[2], sys.argv[3]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmw")
if len(sys.argv) > 4:
    from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

    class EarlyTlsDataHandler(TLS_DTPHandler):
        # libcurl starts the data connection's TLS handshake as soon as it connects, before it
        # sends the transfer command; pyftpdlib 1.5 would take that early data for a closed
        # connection and drop it.
        def readable(self):
            return self._ssl_accepting or super().readable()

    handler = TLS_FTPHandler
    handler.dtp_handler = EarlyTlsDataHandler
    handler.certfile = make_certificate(sys.argv[4])
    handler.tls_control_required = True
    handler.tls_data_required = True
else:
    handler = FTPHandler
handler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), handler)
print("PORT", server.address[1], flush=True)
server.serve_forever()
