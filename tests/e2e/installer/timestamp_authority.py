#!/usr/bin/env python3
"""A throwaway RFC 3161 time-stamp authority on 127.0.0.1: `openssl ts -reply` behind HTTP.
Makes its own certificate (DIR/tsa.crt, extended key usage timeStamping), writes the port it
listens on to DIR/tsa.port, and answers each POSTed time-stamp query until it is killed.
Usage: timestamp_authority.py DIR"""
import http.server, os, subprocess, sys, tempfile

directory = os.path.abspath(sys.argv[1])
path = lambda name: os.path.join(directory, name)
subprocess.run(['openssl', 'req', '-x509', '-newkey', 'rsa:2048', '-nodes', '-days', '2',
                '-subj', '/CN=Wavorin test time-stamp authority', '-keyout', path('tsa.key'), '-out', path('tsa.crt'),
                '-addext', 'extendedKeyUsage=critical,timeStamping', '-addext', 'keyUsage=critical,digitalSignature'],
               check=True, capture_output=True)
with open(path('tsa.cnf'), 'w') as config:
    config.write(f"[tsa]\ndefault_tsa = test\n[test]\nserial = {path('tsa.serial')}\nsigner_cert = {path('tsa.crt')}\n"
                 f"certs = {path('tsa.crt')}\nsigner_key = {path('tsa.key')}\nsigner_digest = sha256\n"
                 "default_policy = 1.3.6.1.4.1.4146.2.3\ndigests = sha256, sha384, sha512\ness_cert_id_alg = sha256\n")
open(path('tsa.serial'), 'w').write('01\n')

class TimestampHandler(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        with tempfile.TemporaryDirectory() as scratch:
            query, reply = os.path.join(scratch, 'query'), os.path.join(scratch, 'reply')
            with open(query, 'wb') as stream:
                stream.write(self.rfile.read(int(self.headers['Content-Length'])))
            answered = subprocess.run(['openssl', 'ts', '-reply', '-config', path('tsa.cnf'), '-queryfile', query,
                                       '-out', reply], capture_output=True).returncode == 0
            body = open(reply, 'rb').read() if answered else b''
        self.send_response(200 if answered else 500)
        self.send_header('Content-Type', 'application/timestamp-reply')
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *_):
        pass

server = http.server.HTTPServer(('127.0.0.1', 0), TimestampHandler)
open(path('tsa.port.new'), 'w').write(str(server.server_address[1]))
os.rename(path('tsa.port.new'), path('tsa.port'))
server.serve_forever()
