// The text printed for a failed TCP socket call, one per error number: a long table kept
// out of the client thread's file.
#include <cerrno>

#include "links/TCPIPClientThread.h"

// One sentence per error, as a send on a stream socket meets it, then a blank.
const char* TTCPIPClientThread::SocketErrorText(int err) {
  switch (err) {
    case EINTR:
      return "A blocking call was interrupted. ";
    case EACCES:
      return "The requested address is a broadcast address, but the appropriate flag was not set. ";
    case EFAULT:
      return "The buffer is not completely contained in a valid part of the user address space. ";
    case EINVAL:
      return "The socket has not been bound or an unknown flag was specified. ";
    case EWOULDBLOCK:
      return "The socket is marked as nonblocking and the requested operation would block. ";
    case EINPROGRESS:
      return "A blocking operation is in progress. ";
    case ENOTSOCK:
      return "The descriptor is not a socket. ";
    case EDESTADDRREQ:
      return "A destination address is required. ";
    case EMSGSIZE:
      return "The message is larger than the maximum supported by the underlying transport. ";
    case EOPNOTSUPP:
      return "The operation is not supported for this type of socket. ";
    case EAFNOSUPPORT:
      return "Addresses in the specified family cannot be used with this socket. ";
    case EADDRNOTAVAIL:
      return "The remote address is not a valid address. ";
    case ENETDOWN:
      return "The network subsystem has failed. ";
    case ENETUNREACH:
      return "The network cannot be reached from this host at this time. ";
    case ENETRESET:
      return "The connection has been broken because of keep-alive activity detecting a failure. ";
    case ECONNABORTED:
      return "The virtual circuit was terminated because of a time-out or other failure. ";
    case ECONNRESET:
      return "The virtual circuit was reset by the remote side. ";
    case ENOBUFS:
      return "No buffer space is available. ";
    case ENOTCONN:
      return "The socket is not connected. ";
    case ESHUTDOWN:
    case EPIPE:
      return "The socket has been shut down; it is not possible to send on it. ";
    case ETIMEDOUT:
      return "The connection has been dropped because of a network failure or because the peer "
             "failed to respond. ";
    case EHOSTUNREACH:
      return "The remote host cannot be reached from this host at this time. ";
    // There is no start-up call here; a socket already closed stands for it.
    case EBADF:
      return "There is no socket to use: it has not been created or was already closed. ";
    default:
      return "Unknown socket error. ";
  }
}
