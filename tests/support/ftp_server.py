# A throw-away FTP server for the report tests: one user with a password, the given folder as
# its home, a free loopback port printed as "PORT n" once it listens.
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

root, user, password = sys.argv[1], sys.argv[2], sys.argv[3]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmw")
handler = FTPHandler
handler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), handler)
print("PORT", server.address[1], flush=True)
server.serve_forever()
